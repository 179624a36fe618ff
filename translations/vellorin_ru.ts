<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AttemptsFile</name>
    <message>
        <source>it holds a control character</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>в строке есть управляющий символ</translation>
    </message>
    <message>
        <source>it is not a date and time followed by the seconds held</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>строка не является датой и временем, за которыми следуют секунды задержки</translation>
    </message>
    <message>
        <source>it does not begin with a date and time with its offset from UTC</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>строка не начинается с даты и времени со смещением от UTC</translation>
    </message>
    <message>
        <source>the seconds held are not a whole number from %1 to %2</source>
        <extracomment>Why a line of the personal-best attempts file is left out.</extracomment>
        <translation>секунды задержки — не целое число от %1 до %2</translation>
    </message>
    <message>
        <source>Could not read the attempts in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason it cannot be read.</extracomment>
        <translation>Не удалось прочитать попытки из &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>the file has changed since it was read; open the list again</source>
        <extracomment>Why an attempt could not be removed from the personal-best attempts file.</extracomment>
        <translation>файл изменился после чтения; откройте список заново</translation>
    </message>
</context>
<context>
    <name>AudioExport</name>
    <message>
        <source>Cannot tell the audio format of &quot;%1&quot;: name it .wav, .flac, .ogg or .mp3.</source>
        <extracomment>%1 is the output file&apos;s name; .wav, .flac, .ogg and .mp3 are the endings it may have.</extracomment>
        <translation>Не удаётся определить звуковой формат для &quot;%1&quot;: дайте файлу окончание .wav, .flac, .ogg или .mp3.</translation>
    </message>
    <message>
        <source>Could not export the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the output file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Не удалось экспортировать сеанс в &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>round %1&apos;s hold ends at a contraction, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number.</extracomment>
        <translation>задержка раунда %1 заканчивается на контракции, а звуковой файл не может её ждать; экспортировать можно только таблицу, в которой каждая задержка и каждый отдых заданы по времени</translation>
    </message>
    <message>
        <source>round %1&apos;s rest ends at the breath key, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number; the breath key ends a rest of one breath.</extracomment>
        <translation>отдых раунда %1 заканчивается по клавише вдоха, а звуковой файл не может её ждать; экспортировать можно только таблицу, в которой каждая задержка и каждый отдых заданы по времени</translation>
    </message>
    <message>
        <source>it is not one of the program&apos;s cues</source>
        <extracomment>Why a sound file (&quot;it&quot;) cannot be played as a cue.</extracomment>
        <translation>этот файл не входит в подсказки программы</translation>
    </message>
    <message>
        <source>the cue &quot;%1&quot; cannot be used: %2</source>
        <extracomment>%1 is a cue&apos;s sound file, %2 why it cannot be used.</extracomment>
        <translation>подсказку &quot;%1&quot; нельзя использовать: %2</translation>
    </message>
    <message>
        <source>the export was cancelled</source>
        <extracomment>Why an audio file was not written: the user cancelled its export.</extracomment>
        <translation>экспорт отменён</translation>
    </message>
    <message>
        <source>Exporting the session to %1...</source>
        <extracomment>%1 is the audio file&apos;s name.</extracomment>
        <translation>Экспорт сеанса в %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Loop %1</source>
        <extracomment>The loop display; %1 is the round under way. Must stay short.</extracomment>
        <translation>Круг %1</translation>
    </message>
    <message>
        <source>Intro</source>
        <extracomment>The phase display: the breathe-up before the first hold. Must stay short.</extracomment>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The phase display: the breath is held (a noun, the phase). Must stay short.</extracomment>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase display: breathing between two holds. Must stay short.</extracomment>
        <translation>Отдых</translation>
    </message>
    <message>
        <source>End!</source>
        <extracomment>The phase display once the session or the test is over. Must stay short.</extracomment>
        <translation>Конец!</translation>
    </message>
    <message>
        <source>PB test</source>
        <extracomment>The loop display during a personal-best test. Must stay short.</extracomment>
        <translation>Тест ЛР</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts a session.</extracomment>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The button that stops a session and sets it back to its start.</extracomment>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Дальше</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start would refuse this table: %1.</source>
        <extracomment>Start: the window&apos;s button that starts a session. %1 is the reason, such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>Кнопка «Старт» не запустит эту таблицу: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Exported the session, %n cues in %1 s of audio, to &quot;%2&quot; in %3 ms.</source>
        <extracomment>%n is how many cues were written, %1 the audio&apos;s length in seconds, %2 the file&apos;s name, %3 how long the export took in milliseconds.</extracomment>
        <translation>
            <numerusform>Сеанс экспортирован в &quot;%2&quot; за %3 мс: %n подсказка, звук длиной %1 с.</numerusform>
            <numerusform>Сеанс экспортирован в &quot;%2&quot; за %3 мс: %n подсказки, звук длиной %1 с.</numerusform>
            <numerusform>Сеанс экспортирован в &quot;%2&quot; за %3 мс: %n подсказок, звук длиной %1 с.</numerusform>
        </translation>
    </message>
    <message>
        <source>--new-table takes %1 or %2 and a personal best as m:ss or seconds, not &quot;%3&quot; and &quot;%4&quot;.</source>
        <extracomment>%1 and %2 are the kinds of table (&quot;co2, o2, ...&quot; and &quot;intervals&quot;), typed as they are in every language; %3 and %4 what was typed for the kind and the personal best.</extracomment>
        <translation>--new-table принимает %1 или %2 и личный рекорд в виде м:сс или в секундах, а не &quot;%3&quot; и &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--new-table %1 makes a table of rounds, which a session file cannot hold: name OUT .vtable.</source>
        <extracomment>%1 is the kind of table, such as one-breath, typed as it is in every language. OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>--new-table %1 создаёт таблицу раундов, которую файл сеанса хранить не может: дайте файлу ВЫВОД окончание .vtable.</translation>
    </message>
    <message>
        <source>The table&apos;s cue profile &quot;%1&quot; is not there: %2 plays.</source>
        <extracomment>%1 is the cue profile the table names, %2 the one played instead.</extracomment>
        <translation>Профиля подсказок таблицы &quot;%1&quot; нет: звучит %2.</translation>
    </message>
    <message>
        <source>Cue profile: %1</source>
        <extracomment>Before the list of the cues a session plays: %1 is the cue profile&apos;s name.</extracomment>
        <translation>Профиль подсказок: %1</translation>
    </message>
    <message>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why its session cannot be exported.</extracomment>
        <translation>Не удалось экспортировать &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not list the cues of &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why the cues of its session cannot be listed.</extracomment>
        <translation>Не удалось перечислить подсказки &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>first contraction + %1, at least %2, up to %3</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the least and %3 the most the hold lasts, each like 00:30.</extracomment>
        <translation>первая контракция + %1, не менее %2, не более %3</translation>
    </message>
    <message>
        <source>first contraction + %1, up to %2</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the most the hold lasts, each like 00:30.</extracomment>
        <translation>первая контракция + %1, не более %2</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, at least %1, up to %2</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the least and %2 the most it lasts, each like 00:30.</extracomment>
        <translation>
            <numerusform>%n контракция, не менее %1, не более %2</numerusform>
            <numerusform>%n контракции, не менее %1, не более %2</numerusform>
            <numerusform>%n контракций, не менее %1, не более %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, up to %1</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the most it lasts, like 03:00.</extracomment>
        <translation>
            <numerusform>%n контракция, не более %1</numerusform>
            <numerusform>%n контракции, не более %1</numerusform>
            <numerusform>%n контракций, не более %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cycle %1 (at least %2)</source>
        <extracomment>A rest that lasts until the next hold&apos;s start, a cycle after this hold&apos;s: %1 is the cycle and %2 the shortest the rest lasts, each like 02:00.</extracomment>
        <translation>цикл %1 (не менее %2)</translation>
    </message>
    <message>
        <source>one breath (up to %1)</source>
        <extracomment>A rest of one breath, ended by a key: %1 is the most it lasts, like 00:10.</extracomment>
        <translation>один вдох (не более %1)</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The heading of the column of the holds&apos; lengths in a table&apos;s preview (the noun: a breath hold); best within 5 letters.</extracomment>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Intro %1</source>
        <extracomment>The first line of a table&apos;s preview: %1 is the intro&apos;s length, like 00:30.</extracomment>
        <translation>Начало %1</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The heading of the column of the rounds&apos; numbers in the preview of a table of rounds; best within 5 letters.</extracomment>
        <translation>Раунд</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The heading of the column of the rests&apos; lengths in a table&apos;s preview (the noun); best within 5 letters.</extracomment>
        <translation>Отдых</translation>
    </message>
    <message>
        <source>Total %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is its length as the clock shows it, like 17:15, %2 the same in seconds.</extracomment>
        <translation>Всего %1 (%2 с)</translation>
    </message>
    <message>
        <source>Total up to %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is the most it can last as the clock shows it, like 41:10, %2 the same in seconds.</extracomment>
        <translation>Всего до %1 (%2 с)</translation>
    </message>
    <message>
        <source>Loop</source>
        <extracomment>The heading of the column of the loops&apos; numbers in a table&apos;s preview; best within 5 letters.</extracomment>
        <translation>Круг</translation>
    </message>
    <message>
        <source>Session clock</source>
        <extracomment>The heading of the column of what the session clock shows as each hold begins.</extracomment>
        <translation>Часы сеанса</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as typed, in quotes: &apos;--bogus&apos;.</extracomment>
        <translation>Неизвестный параметр %1.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <extracomment>%1 lists the options as typed, in quotes: &apos;--bogus&apos;, &apos;-x&apos;.</extracomment>
        <translation>Неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Vellorin, a timer for breath-hold training tables with spoken cues.</source>
        <translation>Vellorin — таймер для тренировочных таблиц задержки дыхания с голосовыми подсказками.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Показать версию.</translation>
    </message>
    <message>
        <source>Print the table of a session file loop by loop, or of a table file (.vtable) round by round.</source>
        <translation>Вывести таблицу файла сеанса по кругам или файла таблицы (.vtable) по раундам.</translation>
    </message>
    <message>
        <source>FILE.ses</source>
        <extracomment>The value of an option: a session file, named with its ending .ses.</extracomment>
        <translation>ФАЙЛ.ses</translation>
    </message>
    <message>
        <source>Export its whole session as audio file OUT; a table file (.vtable) only when its every hold and rest is timed.</source>
        <extracomment>OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>Экспортировать весь сеанс в звуковой файл ВЫВОД; файл таблицы (.vtable) — только если каждая его задержка и каждый отдых заданы по времени.</translation>
    </message>
    <message>
        <source>Write table KIND (%1) made from personal best PB (m:ss or seconds) to OUT: a table file when OUT ends in .vtable (one-breath and intervals need no PB), else a session file (co2 and o2).</source>
        <extracomment>%1 lists the kinds (co2, o2, ...), typed as they are in every language, as are co2, o2, one-breath and intervals here. KIND, PB and OUT are the values&apos; names in the usage, as the help lists them.</extracomment>
        <translation>Записать таблицу вида ВИД (%1), составленную по личному рекорду ЛР (м:сс или секунды), в ВЫВОД: файл таблицы, если ВЫВОД оканчивается на .vtable (для one-breath и intervals ЛР не нужен), иначе файл сеанса (co2 и o2).</translation>
    </message>
    <message>
        <source>KIND</source>
        <extracomment>The value of --new-table: the kind of table.</extracomment>
        <translation>ВИД</translation>
    </message>
    <message>
        <source>With --table, print every cue heard instead: its second and its words.</source>
        <translation>С --table вместо этого вывести каждую звучащую подсказку: её секунду и её слова.</translation>
    </message>
    <message>
        <source>With --table --cues or --export-audio, the cue profile: %1, a profile of yours by name or a .vcues file; else the table&apos;s or your default.</source>
        <extracomment>%1 lists the built-in profiles (classic, guided, ...), typed as they are in every language.</extracomment>
        <translation>С --table --cues или --export-audio — профиль подсказок: %1, ваш профиль по названию или файл .vcues; иначе профиль таблицы или ваш профиль по умолчанию.</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The value of --profile: a cue profile&apos;s name.</extracomment>
        <translation>ИМЯ</translation>
    </message>
    <message>
        <source>A session file to open; with --export-audio, OUT.</source>
        <translation>Файл сеанса, который нужно открыть; с --export-audio — ВЫВОД.</translation>
    </message>
    <message>
        <source>[FILE.ses | OUT]</source>
        <extracomment>The arguments after the options in the usage line: a session file, or with --export-audio the output file.</extracomment>
        <translation>[ФАЙЛ.ses | ВЫВОД]</translation>
    </message>
    <message>
        <source>--table, --export-audio and --new-table cannot be used together.</source>
        <translation>--table, --export-audio и --new-table нельзя использовать вместе.</translation>
    </message>
    <message>
        <source>--cues goes with --table, and --profile with --table --cues or --export-audio.</source>
        <translation>--cues используется с --table, а --profile — с --table --cues или --export-audio.</translation>
    </message>
    <message>
        <source>--new-table KIND takes a personal best and OUT (.ses or .vtable); one-breath and intervals may go without the personal best.</source>
        <translation>--new-table ВИД принимает личный рекорд и ВЫВОД (.ses или .vtable); для one-breath и intervals личный рекорд можно не указывать.</translation>
    </message>
    <message>
        <source>--table takes no other argument.</source>
        <translation>--table не принимает других аргументов.</translation>
    </message>
    <message>
        <source>--export-audio FILE.ses takes one output file, OUT.</source>
        <translation>--export-audio ФАЙЛ.ses принимает один выходной файл, ВЫВОД.</translation>
    </message>
    <message>
        <source>Only one session file can be opened.</source>
        <translation>Открыть можно только один файл сеанса.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be represented in this system&apos;s encoding, so Vellorin cannot open or write a file of that name.</source>
        <translation>Имя &quot;%1&quot; невозможно представить в кодировке этой системы, поэтому Vellorin не может открыть или записать файл с таким именем.</translation>
    </message>
    <message>
        <source>the output could not be written: %1</source>
        <translation>не удалось записать вывод: %1</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; given to %2 cannot be used: %3; it is left out.</source>
        <extracomment>Printed after &quot;vellorin: &quot;. %1 is a file name, %2 the option that named it (-stylesheet), %3 the reason, a clause.</extracomment>
        <translation>файл &quot;%1&quot;, указанный для %2, нельзя использовать: %3; он пропущен.</translation>
    </message>
    <message>
        <source>the session did not reach its end</source>
        <translation>сеанс не дошёл до конца</translation>
    </message>
</context>
<context>
    <name>CueProfile</name>
    <message>
        <source>the rest call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the rest, like &quot;two minutes&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>объявление %1 в отдыхе нельзя произнести</translation>
    </message>
    <message>
        <source>the rest call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the rest, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>объявление %1 в отдыхе нельзя отсчитать</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in a hold, like &quot;thirty seconds&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>объявление %1 в задержке нельзя произнести</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in a hold, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>объявление %1 в задержке нельзя отсчитать</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the session&apos;s last hold; %1 is the call, like 00:25.</extracomment>
        <translation>объявление %1 в последней задержке нельзя произнести</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the session&apos;s last hold; %1 is the count.</extracomment>
        <translation>объявление %1 в последней задержке нельзя отсчитать</translation>
    </message>
    <message>
        <source>the elapsed calls must come every 0:30, 1:00, ... up to 30:00, or never (0)</source>
        <extracomment>The elapsed calls say how long a hold has lasted.</extracomment>
        <translation>объявления прошедшего времени должны звучать каждые 0:30, 1:00, ... до 30:00 или никогда (0)</translation>
    </message>
    <message>
        <source>the last breath must come 0 to 60 seconds before a hold</source>
        <extracomment>The last breath: the cue that asks for the last breath before a hold.</extracomment>
        <translation>«последний вдох» должен звучать за 0–60 секунд до задержки</translation>
    </message>
    <message>
        <source>the recovery breaths must be 0 to 3</source>
        <extracomment>The recovery breaths: the breaths called for after a hold.</extracomment>
        <translation>восстановительных вдохов должно быть от 0 до 3</translation>
    </message>
    <message>
        <source>a paced breath must be 2 to 20 seconds in and 2 to 30 seconds out</source>
        <extracomment>A paced breath: a breath in and out timed by the cues in a rest.</extracomment>
        <translation>вдох в ритме должен длиться от 2 до 20 секунд, а выдох — от 2 до 30 секунд</translation>
    </message>
    <message>
        <source>the paced part of a rest must be 0 to 1:00:00, or all</source>
        <extracomment>The paced part: the end of a rest in which the cues time each breath.</extracomment>
        <translation>часть отдыха с ритмом дыхания должна быть от 0 до 1:00:00 или all</translation>
    </message>
</context>
<context>
    <name>CueSound</name>
    <message>
        <source>its sample rate is %1 Hz, not the %2 Hz of the other cues</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 and %2 are sample rates, like 22050.</extracomment>
        <translation>частота дискретизации файла — %1 Гц, а не %2 Гц, как у остальных подсказок</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 is the system&apos;s reason.</extracomment>
        <translation>файл не читается: %1</translation>
    </message>
    <message numerus="yes">
        <source>it is not mono (it has %n channels)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; mono: of one channel.</extracomment>
        <translation>
            <numerusform>файл не моно (в нём %n канал)</numerusform>
            <numerusform>файл не моно (в нём %n канала)</numerusform>
            <numerusform>файл не моно (в нём %n каналов)</numerusform>
        </translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not one a cue can have</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>частота дискретизации %1 Гц недопустима для подсказки</translation>
    </message>
    <message numerus="yes">
        <source>its samples (format %1, %n bits) are neither integer PCM nor float</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 is the number of its sample format, %n the bits of a sample.</extracomment>
        <translation>
            <numerusform>отсчёты файла (формат %1, %n бит) — не целочисленный PCM и не float</numerusform>
            <numerusform>отсчёты файла (формат %1, %n бита) — не целочисленный PCM и не float</numerusform>
            <numerusform>отсчёты файла (формат %1, %n бит) — не целочисленный PCM и не float</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>в файле нет звука</translation>
    </message>
    <message>
        <source>it lasts %1 s, longer than the %2 s a cue may last</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 and %2 are lengths in seconds.</extracomment>
        <translation>файл длится %1 с — дольше допустимых для подсказки %2 с</translation>
    </message>
    <message>
        <source>its float samples are not numbers or go beyond full scale, so they cannot be scaled</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>отсчёты float в файле не являются числами или выходят за полную шкалу, поэтому их нельзя масштабировать</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>это не WAV-файл</translation>
    </message>
    <message>
        <source>it is not a WAV file Vellorin can read (no format)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>это не WAV-файл, который может прочитать Vellorin (нет формата)</translation>
    </message>
</context>
<context>
    <name>CueWords</name>
    <message>
        <source>(tick)</source>
        <translation>(тик)</translation>
    </message>
    <message>
        <source>(tone: hold)</source>
        <translation>(тон: задержка)</translation>
    </message>
    <message>
        <source>(tone: breathe)</source>
        <translation>(тон: дышите)</translation>
    </message>
    <message>
        <source>(tone: the end)</source>
        <translation>(тон: конец)</translation>
    </message>
    <message>
        <source>(tone: time call)</source>
        <translation>(тон: объявление времени)</translation>
    </message>
    <message>
        <source>(tone: last breath)</source>
        <translation>(тон: последний вдох)</translation>
    </message>
    <message>
        <source>(soft tone: hold the breath)</source>
        <translation>(мягкий тон: задержите дыхание)</translation>
    </message>
    <message>
        <source>(soft rising tone: breathe in)</source>
        <translation>(мягкий восходящий тон: вдох)</translation>
    </message>
    <message>
        <source>(soft falling tone: breathe out)</source>
        <translation>(мягкий нисходящий тон: выдох)</translation>
    </message>
</context>
<context>
    <name>DamagedLines</name>
    <message>
        <source>Left out line %1 of &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the line&apos;s number, %2 the file&apos;s name, %3 why the line was left out.</extracomment>
        <translation>Пропущена строка %1 файла &quot;%2&quot;: %3.</translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3 more.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 the first of the lines&apos; numbers, as a list (&quot;3, 4, 5, 6, 7&quot;), %3 how many more lines there are.</extracomment>
        <translation>
            <numerusform>Пропущена %n строка файла &quot;%1&quot;: строки %2 и ещё %3.</numerusform>
            <numerusform>Пропущены %n строки файла &quot;%1&quot;: строки %2 и ещё %3.</numerusform>
            <numerusform>Пропущено %n строк файла &quot;%1&quot;: строки %2 и ещё %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 all but the last of the lines&apos; numbers, as a list (&quot;3, 4, 5&quot;), %3 the last one.</extracomment>
        <translation>
            <numerusform>Пропущена %n строка файла &quot;%1&quot;: строки %2 и %3.</numerusform>
            <numerusform>Пропущены %n строки файла &quot;%1&quot;: строки %2 и %3.</numerusform>
            <numerusform>Пропущено %n строк файла &quot;%1&quot;: строки %2 и %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <extracomment>%1 is a line&apos;s number, %2 why it was left out.</extracomment>
        <translation>Строка %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is not a file</source>
        <extracomment>Why a path cannot be read or written: it names a folder, a device or a pipe.</extracomment>
        <translation>это не файл</translation>
    </message>
    <message>
        <source>its bytes could not be written to the disk</source>
        <extracomment>Why a file (&quot;its&quot;) could not be written.</extracomment>
        <translation>данные файла не удалось записать на диск</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be read; %1 is the most bytes such a file may hold.</extracomment>
        <translation>файл больше %1 байт</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Tables</source>
        <extracomment>In a file dialog&apos;s list of file types: session files and table files together.</extracomment>
        <translation>Таблицы</translation>
    </message>
    <message>
        <source>Session files</source>
        <translation>Файлы сеансов</translation>
    </message>
    <message>
        <source>Vellorin tables</source>
        <translation>Таблицы Vellorin</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Tables of rounds</source>
        <extracomment>A choice of the sessions shown: those of tables of rounds.</extracomment>
        <translation>Таблицы раундов</translation>
    </message>
    <message>
        <source>Classic tables</source>
        <extracomment>A choice of the sessions shown: those of classic tables of six settings.</extracomment>
        <translation>Классические таблицы</translation>
    </message>
    <message>
        <source>All tables</source>
        <extracomment>A choice of the sessions shown: all of them.</extracomment>
        <translation>Все таблицы</translation>
    </message>
    <message>
        <source>d MMM hh:mm</source>
        <extracomment>The dates under a chart of sessions a few days apart, as a Qt date format: d the day, MMM the month&apos;s short name, hh:mm the time of day.</extracomment>
        <translation>d MMM hh:mm</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The dates under a chart, as a Qt date format: d the day, MMM the month&apos;s short name, yyyy the year.</extracomment>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit of a chart&apos;s values: seconds.
----------
The unit under a chart of one hold: seconds since it began.</extracomment>
        <translation>с</translation>
    </message>
    <message>
        <source>Mean first contraction</source>
        <translation>Средняя первая контракция</translation>
    </message>
    <message>
        <source>Range of first contractions</source>
        <translation>Разброс первых контракций</translation>
    </message>
    <message>
        <source>First contraction in each hold</source>
        <translation>Первая контракция в каждой задержке</translation>
    </message>
    <message>
        <source>Total time held</source>
        <translation>Общее время задержек</translation>
    </message>
    <message>
        <source>Personal-best attempts</source>
        <translation>Попытки личного рекорда</translation>
    </message>
    <message>
        <source>Time held in each session, and personal-best attempts</source>
        <translation>Время задержек в каждом сеансе и попытки личного рекорда</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A column&apos;s heading: the training table a session ran.</extracomment>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Задержки</translation>
    </message>
    <message>
        <source>Time held</source>
        <translation>Время задержек</translation>
    </message>
    <message>
        <source>First contraction</source>
        <translation>Первая контракция</translation>
    </message>
    <message>
        <source>Contractions</source>
        <translation>Контракции</translation>
    </message>
    <message>
        <source>Largest heart-rate drop</source>
        <extracomment>A series: per session, the heart rate at a hold&apos;s start less the lowest in it, the largest of the session&apos;s holds.</extracomment>
        <translation>Наибольшее снижение ЧСС</translation>
    </message>
    <message>
        <source>Largest heart-rate drop in a hold of each session (heart rate at its start less the lowest)</source>
        <extracomment>The unit of a chart&apos;s values: beats per minute.</extracomment>
        <translation>Наибольшее снижение ЧСС за задержку в каждом сеансе (ЧСС в начале задержки минус наименьшая)</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>уд/мин</translation>
    </message>
    <message>
        <source>Lowest SpO2</source>
        <translation>Наименьшая SpO2</translation>
    </message>
    <message>
        <source>Lowest SpO2 in each session</source>
        <extracomment>The unit of a chart&apos;s values: percent.</extracomment>
        <translation>Наименьшая SpO2 в каждом сеансе</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Hold %1, second by second</source>
        <extracomment>The title of a chart of one hold; %1 is the hold&apos;s number.</extracomment>
        <translation>Задержка %1 посекундно</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>ЧСС</translation>
    </message>
    <message>
        <source>SpO2</source>
        <translation>SpO2</translation>
    </message>
</context>
<context>
    <name>PersonalBest</name>
    <message>
        <source>It is your personal best.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold.</extracomment>
        <translation>Это ваш личный рекорд.</translation>
    </message>
    <message>
        <source>No attempt before it could be read.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold.</extracomment>
        <translation>Ни одной более ранней попытки прочитать не удалось.</translation>
    </message>
    <message>
        <source>A new personal best: it was %1.</source>
        <extracomment>%1 is the personal best before this attempt, a time like 3:05.</extracomment>
        <translation>Новый личный рекорд: прежний был %1.</translation>
    </message>
    <message>
        <source>It beats the best attempt that could be read, %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Это превосходит лучшую попытку, которую удалось прочитать: %1.</translation>
    </message>
    <message>
        <source>Your personal best is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Ваш личный рекорд — %1.</translation>
    </message>
    <message>
        <source>The best attempt that could be read is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Лучшая попытка, которую удалось прочитать, — %1.</translation>
    </message>
    <message>
        <source>The test ended within the first second of the hold: too short for an attempt, so nothing was kept.</source>
        <extracomment>After a personal-best test: nothing was kept in the attempts file.</extracomment>
        <translation>Тест закончился в первую секунду задержки: для попытки это слишком мало, поэтому ничего не сохранено.</translation>
    </message>
    <message>
        <source>You held your breath for %1.</source>
        <extracomment>%1 is the time held, like 3:05.</extracomment>
        <translation>Вы задержали дыхание на %1.</translation>
    </message>
    <message>
        <source>Whether it is a personal best is not known.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold; the attempts file could not be read.</extracomment>
        <translation>Неизвестно, личный ли это рекорд.</translation>
    </message>
    <message>
        <source>The attempt could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the system&apos;s reason it could not be written.</extracomment>
        <translation>Не удалось сохранить попытку в &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Its last hold, %1, is over 80 % of your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s last hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>Последняя задержка таблицы, %1, превышает 80 % вашего личного рекорда, %2.</translation>
    </message>
    <message>
        <source>Its longest hold, %1, is longer than your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s longest hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>Самая долгая задержка таблицы, %1, длиннее вашего личного рекорда, %2.</translation>
    </message>
    <message>
        <source>Train breath-holds only on dry land, sitting or lying, never in or near water, and never alone.</source>
        <translation>Тренируйте задержки дыхания только на суше, сидя или лёжа, — ни в коем случае не в воде и не рядом с водой и никогда в одиночку.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line&apos;s number in the cue profile&apos;s file, %2 what is wrong with it.</extracomment>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time from 0 to %2</source>
        <extracomment>%1 is the value in the file, %2 the longest time it may be, like 1:00.</extracomment>
        <translation>&quot;%1&quot; — не время от 0 до %2</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be spoken</source>
        <extracomment>A call is a time said (written m:ss) or a second counted (a bare number); %1 is the call as the file writes it.</extracomment>
        <translation>объявление &quot;%1&quot; нельзя произнести</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be counted (1 to 20)</source>
        <translation>объявление &quot;%1&quot; нельзя отсчитать (от 1 до 20)</translation>
    </message>
    <message>
        <source>it must be %1 or %2</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; %1 and %2 are the two words the file may hold, kept as they are.</extracomment>
        <translation>значение должно быть %1 или %2</translation>
    </message>
    <message>
        <source>the name must be 1 to 100 characters</source>
        <translation>название должно содержать от 1 до 100 символов</translation>
    </message>
    <message>
        <source>it must be a whole number from 0 to %1</source>
        <extracomment>Why a value (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>значение должно быть целым числом от 0 до %1</translation>
    </message>
    <message>
        <source>it must be two counts of seconds, or none</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; none is the word the file holds for no paced breathing, kept as it is.</extracomment>
        <translation>значение должно быть двумя числами секунд или none</translation>
    </message>
    <message>
        <source>it is not &quot;key = value&quot;</source>
        <extracomment>Why a line (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>строка не имеет вида &quot;key = value&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given again</source>
        <extracomment>%1 is a setting&apos;s key in the file, such as rest-calls.</extracomment>
        <translation>&quot;%1&quot; указан повторно</translation>
    </message>
    <message>
        <source>it is not a cue profile</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>это не профиль подсказок</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin</source>
        <extracomment>Why a cue profile&apos;s file (&quot;it&quot;) cannot be loaded.</extracomment>
        <translation>файл записан более новой версией Vellorin</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a cue profile</source>
        <extracomment>%1 is a key in the file.</extracomment>
        <translation>&quot;%1&quot; — не параметр профиля подсказок</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key the file must hold, format or name, kept as it is.</extracomment>
        <translation>отсутствует &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Could not load the cue profile &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the cue profile&apos;s file name, %2 the reason it cannot be loaded.</extracomment>
        <translation>Не удалось загрузить профиль подсказок &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>это не текст в UTF-8</translation>
    </message>
    <message>
        <source>There is no cue profile &quot;%1&quot;: the profiles are %2, or those in &quot;%3&quot;.</source>
        <extracomment>%1 is the name asked for, %2 the built-in profiles&apos; names (&quot;classic, guided, ...&quot;), %3 the folder of the user&apos;s own profiles.</extracomment>
        <translation>Профиля подсказок &quot;%1&quot; нет: есть профили %2 и профили в &quot;%3&quot;.</translation>
    </message>
</context>
<context>
    <name>RoundsEditing</name>
    <message numerus="yes">
        <source>%n rounds</source>
        <extracomment>The total below a table&apos;s rounds, while a value is still to mend.</extracomment>
        <translation>
            <numerusform>%n раунд</numerusform>
            <numerusform>%n раунда</numerusform>
            <numerusform>%n раундов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is how long the table lasts, like 24:30.</extracomment>
        <translation>
            <numerusform>%n раунд, %1</numerusform>
            <numerusform>%n раунда, %1</numerusform>
            <numerusform>%n раундов, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is the most the table can last, like 24:30, as a hold or a rest ends at a contraction or a key.</extracomment>
        <translation>
            <numerusform>%n раунд, до %1</numerusform>
            <numerusform>%n раунда, до %1</numerusform>
            <numerusform>%n раундов, до %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoundsPresets</name>
    <message>
        <source>CO2 from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>CO2 (личный рекорд %1)</translation>
    </message>
    <message>
        <source>O2 from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>O2 (личный рекорд %1)</translation>
    </message>
    <message>
        <source>Pyramid from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Пирамида (личный рекорд %1)</translation>
    </message>
    <message>
        <source>Wonka from a PB of %1</source>
        <extracomment>The name of a new table whose holds end after the first contraction (&quot;Wonka&quot; is a name); %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka (личный рекорд %1)</translation>
    </message>
    <message>
        <source>Wonka by count from a PB of %1</source>
        <extracomment>The name of a new table whose holds end at a count of contractions; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka по счёту (личный рекорд %1)</translation>
    </message>
    <message>
        <source>One-breath</source>
        <extracomment>The name of a new table whose rests are one breath each.</extracomment>
        <translation>Один вдох</translation>
    </message>
    <message>
        <source>Static intervals</source>
        <extracomment>The name of a new table whose holds start at a fixed interval.</extracomment>
        <translation>Статические интервалы</translation>
    </message>
    <message>
        <source>the personal best must be from 00:01 to %1 for a table of rounds</source>
        <extracomment>%1 is the longest personal best a table is made from, a time like 24:00:00.</extracomment>
        <translation>для таблицы раундов личный рекорд должен быть от 00:01 до %1</translation>
    </message>
</context>
<context>
    <name>SensorSamples</name>
    <message>
        <source>its %1 holds no value a sensor gives</source>
        <extracomment>Why a row of a sensor samples file is left out; %1 is a column&apos;s name in the file.</extracomment>
        <translation>значение %1 не может быть показанием датчика</translation>
    </message>
    <message>
        <source>it was cut short</source>
        <extracomment>Why a row of a sensor samples file is left out.</extracomment>
        <translation>строка обрезана</translation>
    </message>
    <message>
        <source>its header has no %1</source>
        <extracomment>%1 is a column&apos;s name a sensor samples file must have.</extracomment>
        <translation>в заголовке нет столбца %1</translation>
    </message>
    <message>
        <source>it has %1 columns, not %2</source>
        <extracomment>%1 and %2 are counts of columns.</extracomment>
        <translation>в строке столбцов: %1, а не %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <extracomment>Why a sensor samples file is not read; %1 is the most bytes it may hold.</extracomment>
        <translation>файл больше %1 байт</translation>
    </message>
    <message>
        <source>Could not read the sensor samples &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 why it cannot be read.</extracomment>
        <translation>Не удалось прочитать показания датчиков &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not keep the sensors&apos; values in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Не удалось сохранить показания датчиков в &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>SessionController</name>
    <message>
        <source>An error occured. Please check the values in the input fields.</source>
        <translation>Произошла ошибка. Проверьте значения в полях ввода.</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>the training log</source>
        <extracomment>One of Vellorin&apos;s own files, named in &quot;it is the training log Vellorin keeps, not a table&quot; (and so are the other two).</extracomment>
        <translation>дневник тренировок</translation>
    </message>
    <message>
        <source>the personal-best attempts</source>
        <extracomment>One of Vellorin&apos;s own files: the attempts of personal-best tests.</extracomment>
        <translation>попытки личного рекорда</translation>
    </message>
    <message>
        <source>the window&apos;s settings</source>
        <extracomment>One of Vellorin&apos;s own files: the window&apos;s size and other settings.</extracomment>
        <translation>настройки окна</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is %2 Vellorin keeps, not a table.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>Не удалось загрузить &quot;%1&quot;: это служебный файл Vellorin (%2), а не таблица.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>Не удалось сохранить сеанс в &quot;%1&quot;: это служебный файл Vellorin (%2), и таблица не должна его заменять.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files.</extracomment>
        <translation>Не удалось сохранить таблицу в &quot;%1&quot;: это служебный файл Vellorin (%2), и таблица не должна его заменять.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Не удалось сохранить сеанс в &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Не удалось сохранить таблицу в &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a line break, which a session file cannot keep.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;.</extracomment>
        <translation>Не удалось сохранить сеанс: поле &quot;%1&quot; содержит перенос строки, который файл сеанса сохранить не может.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a NUL character, which a session file cannot keep.</source>
        <translation>Не удалось сохранить сеанс: поле &quot;%1&quot; содержит символ NUL, который файл сеанса сохранить не может.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds characters this system&apos;s encoding cannot keep in a session file.</source>
        <translation>Не удалось сохранить сеанс: поле &quot;%1&quot; содержит символы, которые кодировка этой системы не может сохранить в файле сеанса.</translation>
    </message>
    <message>
        <source>Could not find default.ses in session folder. Make sure to safe a session as default.ses to eliminate this warning.</source>
        <translation>Файл default.ses не найден в папке сеансов. Сохраните сеанс как default.ses, чтобы это предупреждение больше не появлялось.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason it cannot be loaded.
----------
%1 is the file&apos;s name, %2 the system&apos;s reason it cannot be read.</extracomment>
        <translation>Не удалось загрузить &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it holds only %2 of the %3 lines of a session.</source>
        <extracomment>%1 is the file&apos;s name, %2 how many lines it holds, %3 how many a session file has (6).</extracomment>
        <translation>Не удалось загрузить &quot;%1&quot;: в файле только %2 из %3 строк файла сеанса.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: line %2 is longer than %3 characters.</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number, %3 the most characters a line holds.</extracomment>
        <translation>Не удалось загрузить &quot;%1&quot;: строка %2 длиннее %3 символов.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is not a table (line %2 is not text).</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number.</extracomment>
        <translation>Не удалось загрузить &quot;%1&quot;: это не таблица (строка %2 — не текст).</translation>
    </message>
</context>
<context>
    <name>SessionPlan</name>
    <message>
        <source>the intro lasts more than %1 seconds, the most a table of rounds holds</source>
        <extracomment>%1 is the most seconds a phase of a table of rounds lasts (86400).</extracomment>
        <translation>начало длится более %1 с — это максимум для таблицы раундов</translation>
    </message>
    <message>
        <source>loop %1 lasts more than %2 seconds, the most a hold or a rest of a table of rounds lasts</source>
        <extracomment>%1 is the loop&apos;s number, %2 the most seconds a hold or a rest of a table of rounds lasts (86400).</extracomment>
        <translation>круг %1 длится более %2 с — это максимум для задержки или отдыха в таблице раундов</translation>
    </message>
    <message>
        <source>a phase must last at least 1 second</source>
        <extracomment>Why a session under way stops: a hold or rest would be shorter than a second.</extracomment>
        <translation>фаза должна длиться не менее 1 секунды</translation>
    </message>
    <message>
        <source>a computed value is not a finite number</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>вычисленное значение не является конечным числом</translation>
    </message>
    <message>
        <source>not a number: &quot;%1&quot;</source>
        <extracomment>%1 is the text of a settings field.</extracomment>
        <translation>не число: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a computed number of seconds is out of range</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>вычисленное число секунд вне допустимого диапазона</translation>
    </message>
    <message>
        <source>the number of loops must be a whole number from 1 to 32767</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>число кругов должно быть целым числом от 1 до 32767</translation>
    </message>
    <message>
        <source>the intro must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>начало должно длиться не менее 1 секунды</translation>
    </message>
    <message>
        <source>every hold must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>каждая задержка должна длиться не менее 1 секунды</translation>
    </message>
    <message>
        <source>every rest must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>каждый отдых должен длиться не менее 1 секунды</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not a number: &quot;%2&quot;</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;, %2 its text.</extracomment>
        <translation>поле &quot;%1&quot; — не число: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The field to mend: &quot;%1&quot;. The reason: %2.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;; %2 is a reason such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>Поле, которое нужно исправить: &quot;%1&quot;. Причина: %2.</translation>
    </message>
    <message>
        <source>the table lasts too long</source>
        <translation>таблица длится слишком долго</translation>
    </message>
    <message>
        <source>the table cannot be run</source>
        <translation>таблицу нельзя запустить</translation>
    </message>
    <message>
        <source>too many loops</source>
        <translation>слишком много кругов</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>no contractions</source>
        <translation>контракций нет</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions</source>
        <translation>
            <numerusform>%n контракция</numerusform>
            <numerusform>%n контракции</numerusform>
            <numerusform>%n контракций</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1</source>
        <extracomment>%1 is the time into the hold of the first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n контракция, первая на %1</numerusform>
            <numerusform>%n контракции, первая на %1</numerusform>
            <numerusform>%n контракций, первая на %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done</source>
        <translation>нет выполненных задержек</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done</source>
        <translation>
            <numerusform>выполнена %n задержка</numerusform>
            <numerusform>выполнены %n задержки</numerusform>
            <numerusform>выполнено %n задержек</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done of %1 begun</source>
        <extracomment>%1 is how many holds were begun.</extracomment>
        <translation>нет выполненных задержек из %1 начатых</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done of %1 begun</source>
        <translation>
            <numerusform>выполнена %n задержка из %1 начатых</numerusform>
            <numerusform>выполнены %n задержки из %1 начатых</numerusform>
            <numerusform>выполнено %n задержек из %1 начатых</numerusform>
        </translation>
    </message>
    <message>
        <source>Session over: %1, %2 held</source>
        <extracomment>%1 tells the holds done (&quot;8 holds done&quot;), %2 the time held in all (&quot;12:30&quot;).</extracomment>
        <translation>Сеанс окончен: %1, общее время задержек %2</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1 on average</source>
        <extracomment>%1 is the average time into a hold of its first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n контракция, первая в среднем на %1</numerusform>
            <numerusform>%n контракции, первая в среднем на %1</numerusform>
            <numerusform>%n контракций, первая в среднем на %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Hold %1: %2, %3</source>
        <extracomment>%1 is the hold&apos;s number, %2 the time held, %3 its contractions.</extracomment>
        <translation>Задержка %1: %2, %3</translation>
    </message>
    <message>
        <source>Hold %1: %2, %3, cut short</source>
        <translation>Задержка %1: %2, %3, прервана</translation>
    </message>
    <message>
        <source>Holds %1 to %2: %3 held, %4</source>
        <extracomment>The holds past those listed one by one: %1 and %2 their first and last number, %3 the time held in all, %4 their contractions.</extracomment>
        <translation>Задержки с %1 по %2: всего %3, %4</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Breath-hold session running</source>
        <extracomment>Shown by the desktop as the reason it does not sleep or lock the screen.</extracomment>
        <translation>Идёт сеанс задержки дыхания</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>it must be a JSON object</source>
        <extracomment>Why a table file cannot be loaded: &quot;it&quot; is a value of the file.</extracomment>
        <translation>значение должно быть объектом JSON</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>отсутствует &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number of seconds from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; должно быть целым числом секунд от %2 до %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; должно быть целым числом от %2 до %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text of at most %2 characters, without control characters</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; должно быть текстом не длиннее %2 символов, без управляющих символов</translation>
    </message>
    <message>
        <source>&quot;end&quot; must be %1 or %2</source>
        <extracomment>&quot;end&quot; is a key of the table file; %1 and %2 are the words it may hold, quoted (&quot;&quot;time&quot;, &quot;cycle&quot;&quot; and &quot;&quot;breath&quot;&quot;), all kept as they are.</extracomment>
        <translation>&quot;end&quot; должно быть %1 или %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value a table file holds</source>
        <extracomment>%1 is a key found in the file.</extracomment>
        <translation>&quot;%1&quot; не относится к значениям файла таблицы</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a place in a table file, such as &quot;round 3, hold&quot;, %2 what is wrong there.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is not a Vellorin table file (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <extracomment>&quot;format&quot; is a key of the table file, %1 the word it must hold, kept as they are.</extracomment>
        <translation>это не файл таблицы Vellorin (его &quot;format&quot; не &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin (table format version %1; this one reads version %2)</source>
        <extracomment>%1 and %2 are version numbers of the table file&apos;s format.</extracomment>
        <translation>файл записан более новой версией Vellorin (версия формата таблицы %1; эта версия читает версию %2)</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be %1</source>
        <extracomment>&quot;version&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;version&quot; должно быть %1</translation>
    </message>
    <message>
        <source>&quot;rounds&quot; must be a list of 1 to %1 rounds</source>
        <extracomment>&quot;rounds&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;rounds&quot; должно быть списком от 1 до %1 раундов</translation>
    </message>
    <message>
        <source>round %1</source>
        <extracomment>A place in a table file, before what is wrong there: &quot;round 3: ...&quot;.</extracomment>
        <translation>раунд %1</translation>
    </message>
    <message>
        <source>round %1, hold</source>
        <extracomment>A place in a table file, the hold of a round: &quot;round 3, hold: ...&quot;.</extracomment>
        <translation>раунд %1, задержка</translation>
    </message>
    <message>
        <source>round %1, rest</source>
        <extracomment>A place in a table file, the rest of a round: &quot;round 3, rest: ...&quot;.</extracomment>
        <translation>раунд %1, отдых</translation>
    </message>
    <message>
        <source>it is not a table file (it holds a NUL byte)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>это не файл таблицы (в нём есть байт NUL)</translation>
    </message>
    <message>
        <source>it is not a table file (it is not UTF-8 text)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>это не файл таблицы (это не текст в UTF-8)</translation>
    </message>
    <message>
        <source>it is not a table file (it begins with a byte-order mark)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>это не файл таблицы (он начинается с метки порядка байтов)</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 the reason it cannot be loaded.</extracomment>
        <translation>Не удалось загрузить &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>round %1: %2</source>
        <extracomment>%1 is a round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>раунд %1: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>файл больше %1 байт</translation>
    </message>
    <message>
        <source>it is not a table file (not JSON: %1 at byte %2)</source>
        <extracomment>%1 is why the JSON cannot be read, such as &quot;unterminated object&quot;, %2 where.</extracomment>
        <translation>это не файл таблицы (не JSON: %1 в байте %2)</translation>
    </message>
</context>
<context>
    <name>TableProblems</name>
    <message>
        <source>the hold of %1 is longer than your personal best of %2</source>
        <extracomment>%1 is the hold&apos;s length and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>задержка %1 длиннее вашего личного рекорда %2</translation>
    </message>
    <message>
        <source>the cap of %1 is longer than your personal best of %2</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last. %1 is the cap and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>потолок %1 длиннее вашего личного рекорда %2</translation>
    </message>
    <message>
        <source>Round %1: %2.</source>
        <extracomment>%1 is the round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>Раунд %1: %2.</translation>
    </message>
    <message>
        <source>the hold must last from %1 to %2 seconds</source>
        <extracomment>A reason, after &quot;Round 3: &quot; or on its own with a capital first letter.</extracomment>
        <translation>задержка должна длиться от %1 до %2 секунд</translation>
    </message>
    <message>
        <source>the margin after the first contraction must be from %1 to %2 seconds</source>
        <translation>запас после первой контракции должен быть от %1 до %2 секунд</translation>
    </message>
    <message>
        <source>the number of contractions must be from 1 to %1</source>
        <translation>число контракций должно быть от 1 до %1</translation>
    </message>
    <message>
        <source>the cap must be from %1 to %2 seconds</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last.</extracomment>
        <translation>потолок должен быть от %1 до %2 секунд</translation>
    </message>
    <message>
        <source>the minimum must be from %1 to %2 seconds</source>
        <extracomment>The minimum: the shortest a hold that ends at a contraction may last.</extracomment>
        <translation>минимум должен быть от %1 до %2 секунд</translation>
    </message>
    <message>
        <source>the cap must be at least the minimum</source>
        <translation>потолок должен быть не меньше минимума</translation>
    </message>
    <message>
        <source>the rest must last from %1 to %2 seconds</source>
        <translation>отдых должен длиться от %1 до %2 секунд</translation>
    </message>
    <message>
        <source>the cycle must be from %1 to %2 seconds</source>
        <extracomment>The cycle: the time from one hold&apos;s start to the next one&apos;s.</extracomment>
        <translation>цикл должен быть от %1 до %2 секунд</translation>
    </message>
    <message>
        <source>the shortest rest of the cycle must be from %1 to %2 seconds</source>
        <translation>кратчайший отдых цикла должен быть от %1 до %2 секунд</translation>
    </message>
    <message>
        <source>the longest one-breath rest must be from %1 to %2 seconds</source>
        <translation>самый долгий отдых в один вдох должен быть от %1 до %2 секунд</translation>
    </message>
    <message>
        <source>the name must be at most %1 characters, without control characters</source>
        <translation>название должно быть не длиннее %1 символов, без управляющих символов</translation>
    </message>
    <message>
        <source>the intro must last from %1 to %2 seconds</source>
        <translation>начало должно длиться от %1 до %2 секунд</translation>
    </message>
    <message>
        <source>the cue profile&apos;s name must be at most %1 characters, without control characters</source>
        <translation>название профиля подсказок должно быть не длиннее %1 символов, без управляющих символов</translation>
    </message>
    <message>
        <source>the table must have at least one round</source>
        <translation>в таблице должен быть хотя бы один раунд</translation>
    </message>
    <message>
        <source>the repeat must be from 1 to %1</source>
        <extracomment>The repeat: how many times in a row the round is run.</extracomment>
        <translation>число повторов должно быть от 1 до %1</translation>
    </message>
    <message numerus="yes">
        <source>the table runs %n rounds with its repeats, more than %1</source>
        <extracomment>%n is how many rounds the table runs, %1 the most a table may run.</extracomment>
        <translation>
            <numerusform>с повторами в таблице %n раунд — больше %1</numerusform>
            <numerusform>с повторами в таблице %n раунда — больше %1</numerusform>
            <numerusform>с повторами в таблице %n раундов — больше %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts %n seconds in all, more than %1</source>
        <extracomment>%n is how long the table lasts, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>таблица длится в общей сложности %n секунду — больше %1</numerusform>
            <numerusform>таблица длится в общей сложности %n секунды — больше %1</numerusform>
            <numerusform>таблица длится в общей сложности %n секунд — больше %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts up to %n seconds in all, more than %1</source>
        <extracomment>%n is the most the table can last, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>таблица длится в общей сложности до %n секунды — больше %1</numerusform>
            <numerusform>таблица длится в общей сложности до %n секунд — больше %1</numerusform>
            <numerusform>таблица длится в общей сложности до %n секунд — больше %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrainerMainform</name>
    <message>
        <source>Intro</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Breath hold(max)</source>
        <translation>Задержка (макс.)</translation>
    </message>
    <message>
        <source>Increase hold time by</source>
        <translation>Прирост задержки</translation>
    </message>
    <message>
        <source>Initial rest time</source>
        <translation>Начальный отдых</translation>
    </message>
    <message>
        <source>Decrease rest by</source>
        <translation>Отдых короче на</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Число кругов</translation>
    </message>
    <message>
        <source>Session Settings</source>
        <translation>Параметры сеанса</translation>
    </message>
    <message>
        <source>Intro:</source>
        <translation>Нач.:</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Breath hold(max):</source>
        <translation>Задержка (макс.):</translation>
    </message>
    <message>
        <source>Increase hold time by:</source>
        <translation>Прирост задержки:</translation>
    </message>
    <message>
        <source>Initial rest time:</source>
        <translation>Начальный отдых:</translation>
    </message>
    <message>
        <source>Decrease rest by:</source>
        <translation>Отдых короче на:</translation>
    </message>
    <message>
        <source> Start</source>
        <translation> Старт</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Откр.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохр.</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Сеанс</translation>
    </message>
    <message>
        <source>Loop 1</source>
        <translation>Круг 1</translation>
    </message>
    <message>
        <source>Current Sequence</source>
        <translation>Текущая фаза</translation>
    </message>
    <message>
        <source>Holding</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Current loop</source>
        <translation>Текущий круг</translation>
    </message>
    <message>
        <source>Session time left</source>
        <translation>Осталось до конца сеанса</translation>
    </message>
    <message>
        <source>Current phase</source>
        <translation>Текущая фаза</translation>
    </message>
    <message>
        <source>Phase time left</source>
        <translation>Осталось до конца фазы</translation>
    </message>
    <message>
        <source>Every key works whatever has the focus, also in the lights-out view.

Space	start a session when none runs; pause or resume one that runs
Ctrl+R	reset the session to its beginning
Ctrl+O	load a table
Ctrl+Z	undo the last load (typing in a field is undone first)
Ctrl+S	save the table
Ctrl+E	export the session as audio
Ctrl+T	a personal-best test (Space ends it)
Ctrl+N	a new table from your personal best
Ctrl+B	edit the table of rounds (a new one from the six settings)
Ctrl+H	the training history
Enter or C	during a hold: mark a contraction; in a one-breath rest: the breath is taken
	(elsewhere in a session: a soft &quot;not now&quot;)
F11	lights-out: the four displays alone, full screen (Esc leaves)
F1	about Vellorin and its keys
Ctrl+Q	quit
Enter	click the focused button, when no session runs</source>
        <translation>Все клавиши работают, где бы ни был фокус, в том числе в режиме затемнения.

Space	начать сеанс, если он не идёт; поставить идущий сеанс на паузу или продолжить его
Ctrl+R	сбросить сеанс к началу
Ctrl+O	открыть таблицу
Ctrl+Z	отменить последнее открытие (сначала отменяется ввод в поле)
Ctrl+S	сохранить таблицу
Ctrl+E	экспортировать сеанс в звуковой файл
Ctrl+T	тест личного рекорда (Space завершает его)
Ctrl+N	новая таблица по личному рекорду
Ctrl+B	изменить таблицу раундов (новую — из шести параметров)
Ctrl+H	история тренировок
Enter или C	во время задержки: отметить контракцию; в отдыхе в один вдох: вдох сделан
	(в остальное время сеанса: мягкое «не сейчас»)
F11	затемнение: только четыре табло во весь экран (Esc — выход)
F1	о Vellorin и его клавишах
Ctrl+Q	выход
Enter	нажать кнопку в фокусе, если сеанс не идёт</translation>
    </message>
</context>
<context>
    <name>TrainingLog</name>
    <message>
        <source>Could not keep the session in the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>Не удалось сохранить сеанс в дневнике тренировок &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>its %1 is not a whole number from %2 to %3</source>
        <extracomment>Why a row of the training log is left out; %1 is a column&apos;s name in the file, such as held_seconds, kept as it is.</extracomment>
        <translation>значение %1 — не целое число от %2 до %3</translation>
    </message>
    <message>
        <source>the row was cut short</source>
        <extracomment>Why a row of the training log is left out.</extracomment>
        <translation>строка обрезана</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <extracomment>Why a row (&quot;it&quot;) of the training log is left out.</extracomment>
        <translation>строка длиннее %1 байт</translation>
    </message>
    <message numerus="yes">
        <source>it has %n columns, not %1</source>
        <extracomment>%n is how many columns the row has, %1 how many the log expects: a number, or three as &quot;14, 17 or 21&quot;.</extracomment>
        <translation>
            <numerusform>в строке %n столбец, а не %1</numerusform>
            <numerusform>в строке %n столбца, а не %1</numerusform>
            <numerusform>в строке %n столбцов, а не %1</numerusform>
        </translation>
    </message>
    <message>
        <source>its session_start is not a date and time</source>
        <extracomment>session_start is a column&apos;s name in the file, kept as it is.</extracomment>
        <translation>значение session_start — не дата и время</translation>
    </message>
    <message>
        <source>its completed is neither yes nor no</source>
        <extracomment>completed is a column&apos;s name in the file, yes and no the words it holds, all kept as they are.</extracomment>
        <translation>значение completed — не yes и не no</translation>
    </message>
    <message>
        <source>its kind is neither classic nor rounds</source>
        <extracomment>kind is a column&apos;s name in the file, classic and rounds the words it holds, all kept as they are.</extracomment>
        <translation>значение kind — не classic и не rounds</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a hold ends</source>
        <extracomment>%1 is a column&apos;s name in the file, hold or hold_rule, kept as it is.</extracomment>
        <translation>значение %1 — не правило окончания задержки</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a rest ends</source>
        <extracomment>%1 is a column&apos;s name in the file, rest or rest_rule, kept as it is.</extracomment>
        <translation>значение %1 — не правило окончания отдыха</translation>
    </message>
    <message>
        <source>the export was stopped</source>
        <extracomment>Why the training log&apos;s copy was not written: the user stopped it.</extracomment>
        <translation>экспорт остановлен</translation>
    </message>
    <message>
        <source>it is the training log itself</source>
        <extracomment>Why the training log cannot be exported to the file chosen.</extracomment>
        <translation>это сам дневник тренировок</translation>
    </message>
    <message>
        <source>Could not read the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the reason it cannot be read.</extracomment>
        <translation>Не удалось прочитать дневник тренировок &quot;%1&quot;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n bytes, more than the %1 a training log may hold</source>
        <extracomment>%n is the file&apos;s size and %1 the largest a training log may be, both in bytes.</extracomment>
        <translation>
            <numerusform>размер файла — %n байт, больше допустимых для дневника тренировок %1</numerusform>
            <numerusform>размер файла — %n байта, больше допустимых для дневника тренировок %1</numerusform>
            <numerusform>размер файла — %n байт, больше допустимых для дневника тренировок %1</numerusform>
        </translation>
    </message>
    <message>
        <source>it grew past %1 bytes</source>
        <extracomment>%1 is the largest a training log may be, in bytes.</extracomment>
        <translation>файл вырос больше %1 байт</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Three numbers of columns a row of the training log may have.</extracomment>
        <translation>%1, %2 или %3</translation>
    </message>
    <message>
        <source>its spo2_lowest_second has no spo2_lowest</source>
        <extracomment>spo2_lowest_second and spo2_lowest are columns&apos; names in the file, kept as they are.</extracomment>
        <translation>значение spo2_lowest_second есть, а spo2_lowest нет</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used; %1 is a number of bytes.</extracomment>
        <translation>файл больше %1 байт</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;its&quot;) cannot be written.</extracomment>
        <translation>в папку файла нельзя записывать</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be written.</extracomment>
        <translation>файл нельзя записать</translation>
    </message>
    <message>
        <source>it is not in the INI format</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>файл не в формате INI</translation>
    </message>
    <message>
        <source>The setting could not be kept in &quot;%1&quot;: %2. It holds until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be written.</extracomment>
        <translation>Не удалось сохранить настройку в &quot;%1&quot;: %2. Она действует до закрытия Vellorin.</translation>
    </message>
    <message>
        <source>The window&apos;s settings file &quot;%1&quot; cannot be used: %2. The window&apos;s size and the training log switch hold only until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be used. The training log switch turns the keeping of the training log on and off.</extracomment>
        <translation>Файл настроек окна &quot;%1&quot; нельзя использовать: %2. Размер окна и переключатель дневника тренировок действуют только до закрытия Vellorin.</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>up to %1</source>
        <extracomment>In the window&apos;s title: the most the table can last, %1 a time like 40:30.</extracomment>
        <translation>до %1</translation>
    </message>
</context>
<context>
    <name>vellorin::AttemptsDialog</name>
    <message>
        <source>Personal bests</source>
        <translation>Личные рекорды</translation>
    </message>
    <message>
        <source>Began</source>
        <extracomment>The headings of the list of attempts: when each began, and the time held.</extracomment>
        <translation>Начата</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Время задержки</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Удалить...</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>м:сс или секунды</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Began:</source>
        <translation>&amp;Начата:</translation>
    </message>
    <message>
        <source>&amp;Held:</source>
        <extracomment>The field of the time held in an attempt.</extracomment>
        <translation>&amp;Время задержки:</translation>
    </message>
    <message>
        <source>Your attempts:</source>
        <translation>Ваши попытки:</translation>
    </message>
    <message>
        <source>A personal best from elsewhere:</source>
        <translation>Личный рекорд из другого источника:</translation>
    </message>
    <message>
        <source>Remove the attempt that began %1, held %2? It cannot be brought back.</source>
        <extracomment>%1 is when the attempt began (2024-05-01 07:30), %2 the time held (03:05).</extracomment>
        <translation>Удалить попытку, начатую %1, с задержкой %2? Её нельзя будет вернуть.</translation>
    </message>
    <message>
        <source>Could not remove the attempt from &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Не удалось удалить попытку из &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The time held is typed as m:ss (&quot;3:05&quot;) or in seconds (&quot;185&quot;), at least 1 second.</source>
        <translation>Время задержки вводится как м:сс («3:05») или в секундах («185»), не менее 1 секунды.</translation>
    </message>
    <message>
        <source>Could not add the attempt to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Не удалось добавить попытку в &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileDialog</name>
    <message>
        <source>Cue profile - Vellorin</source>
        <translation>Профиль подсказок - Vellorin</translation>
    </message>
    <message>
        <source>Start &amp;from:</source>
        <extracomment>The built-in profile whose settings fill the fields.</extracomment>
        <translation>&amp;На основе:</translation>
    </message>
    <message>
        <source>words</source>
        <extracomment>A profile&apos;s sound: calls spoken in words.</extracomment>
        <translation>слова</translation>
    </message>
    <message>
        <source>tones</source>
        <extracomment>A profile&apos;s sound: tones, no words.</extracomment>
        <translation>тоны</translation>
    </message>
    <message>
        <source>hold</source>
        <extracomment>What a hold begins with: the word &quot;hold&quot;.</extracomment>
        <translation>задержка</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>What a hold begins with: &quot;official top&quot;, as at a freediving competition.</extracomment>
        <translation>топ</translation>
    </message>
    <message>
        <source>Pace in &amp;words, not soft tones</source>
        <translation>Задавать ритм &amp;словами, а не мягкими тонами</translation>
    </message>
    <message>
        <source>Say the holds and the time held at the &amp;end</source>
        <translation>Называть в &amp;конце число задержек и общее время</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>Назв&amp;ание:</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Звук:</translation>
    </message>
    <message>
        <source>A hold &amp;begins with:</source>
        <translation>Задержку &amp;открывает:</translation>
    </message>
    <message>
        <source>Calls before a &amp;hold:</source>
        <extracomment>The times called out in each rest, before the hold.</extracomment>
        <translation>Объявления перед за&amp;держкой:</translation>
    </message>
    <message>
        <source>Calls in every h&amp;old:</source>
        <translation>Объявления в ка&amp;ждой задержке:</translation>
    </message>
    <message>
        <source>Calls in the &amp;last hold:</source>
        <translation>Объявления в &amp;последней задержке:</translation>
    </message>
    <message>
        <source>Time held called e&amp;very:</source>
        <translation>О&amp;бъявлять время задержки каждые:</translation>
    </message>
    <message>
        <source>&quot;Last b&amp;reath&quot;, seconds before a hold:</source>
        <translation>«Последний &amp;вдох», секунд до задержки:</translation>
    </message>
    <message>
        <source>Re&amp;covery breaths after a hold:</source>
        <translation>Восс&amp;тановительные вдохи после задержки:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds &amp;in:</source>
        <translation>Ритм дыхания, секунд на вдо&amp;х:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds o&amp;ut:</source>
        <translation>Ритм дыхания, секунд на в&amp;ыдох:</translation>
    </message>
    <message>
        <source>Pace the last part of a rest (m:ss or all):</source>
        <extracomment>&quot;all&quot; is typed as it is, in English: the profile file&apos;s word for the whole rest.</extracomment>
        <translation>Задавать ритм в последней части отдыха (м:сс или all):</translation>
    </message>
    <message>
        <source>Calls are written m:ss to be spoken (0:30 &quot;thirty seconds&quot;) and as a bare number to be counted (5 &quot;five&quot;).</source>
        <extracomment>How the calls are typed: a time m:ss is spoken as a time, a bare number is counted.</extracomment>
        <translation>Объявления записываются как м:сс, чтобы их произнести (0:30 — «тридцать секунд»), и как простое число, чтобы их отсчитать (5 — «пять»).</translation>
    </message>
    <message>
        <source>My %1</source>
        <extracomment>The name proposed for a profile of the user&apos;s own made from a built-in one; %1 is the built-in profile&apos;s key, as &quot;guided&quot;.</extracomment>
        <translation>Мой %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>A hold begins with</source>
        <translation>Задержку открывает</translation>
    </message>
    <message>
        <source>Calls before a hold</source>
        <translation>Объявления перед задержкой</translation>
    </message>
    <message>
        <source>Calls in every hold</source>
        <translation>Объявления в каждой задержке</translation>
    </message>
    <message>
        <source>Calls in the last hold</source>
        <translation>Объявления в последней задержке</translation>
    </message>
    <message>
        <source>Time held called every</source>
        <translation>Объявлять время задержки каждые</translation>
    </message>
    <message>
        <source>Last breath</source>
        <translation>Последний вдох</translation>
    </message>
    <message>
        <source>Recovery breaths</source>
        <translation>Восстановительные вдохи</translation>
    </message>
    <message>
        <source>Paced breathing</source>
        <translation>Ритм дыхания</translation>
    </message>
    <message>
        <source>Pace the last part of a rest</source>
        <translation>Задавать ритм в последней части отдыха</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the profile and why its value cannot be used: &quot;Sound: it must be words or tones&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a built-in profile: choose another name.</source>
        <translation>&quot;%1&quot; — название встроенного профиля: выберите другое название.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is kept in the file of your profile &quot;%2&quot;: choose another name.</source>
        <extracomment>%1 is the name typed, %2 the name of another profile whose file name would be the same.</extracomment>
        <translation>&quot;%1&quot; хранится в файле вашего профиля &quot;%2&quot;: выберите другое название.</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>не удалось создать папку</translation>
    </message>
    <message>
        <source>Could not save the cue profile to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Не удалось сохранить профиль подсказок в &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileMenu</name>
    <message>
        <source>Cue &amp;profile</source>
        <translation>&amp;Профиль подсказок</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>A built-in cue profile: the cues of the classic timer.</extracomment>
        <translation>Классический</translation>
    </message>
    <message>
        <source>Guided</source>
        <extracomment>A built-in cue profile: calls that guide the breathing and the holds.</extracomment>
        <translation>С сопровождением</translation>
    </message>
    <message>
        <source>Competition countdown</source>
        <extracomment>A built-in cue profile: the countdown of a freediving competition.</extracomment>
        <translation>Соревновательный отсчёт</translation>
    </message>
    <message>
        <source>Tones only</source>
        <extracomment>A built-in cue profile: tones, no words.</extracomment>
        <translation>Только тоны</translation>
    </message>
    <message>
        <source>Your default</source>
        <extracomment>In a table&apos;s list of cue profiles: the profile chosen in Training &gt; Cue profile.</extracomment>
        <translation>Ваш профиль по умолчанию</translation>
    </message>
    <message>
        <source>%1 (not found: your default plays)</source>
        <extracomment>A cue profile a table names that this user does not have; %1 is its name.</extracomment>
        <translation>%1 (не найден: звучит ваш профиль по умолчанию)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>A profile file of the user&apos;s that cannot be read; %1 is its file name.</extracomment>
        <translation>%1: не читается</translation>
    </message>
    <message>
        <source>&amp;Edit profile...</source>
        <translation>&amp;Изменить профиль...</translation>
    </message>
</context>
<context>
    <name>vellorin::HistoryWindow</name>
    <message>
        <source>%1, %2, %3 held</source>
        <extracomment>The sessions shown and their holds: %1 is &quot;3 sessions&quot;, %2 &quot;6 holds&quot;, %3 the time held in them, as 09:00 or 12:05:00.</extracomment>
        <translation>%1, %2, общее время задержек %3</translation>
    </message>
    <message numerus="yes">
        <source>%n sessions</source>
        <translation>
            <numerusform>%n сеанс</numerusform>
            <numerusform>%n сеанса</numerusform>
            <numerusform>%n сеансов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holds</source>
        <translation>
            <numerusform>%n задержка</numerusform>
            <numerusform>%n задержки</numerusform>
            <numerusform>%n задержек</numerusform>
        </translation>
    </message>
    <message>
        <source>History - Vellorin</source>
        <translation>История - Vellorin</translation>
    </message>
    <message>
        <source>Reading the training log…</source>
        <translation>Чтение дневника тренировок…</translation>
    </message>
    <message>
        <source>Export the &amp;log...</source>
        <translation>Экспортировать &amp;дневник...</translation>
    </message>
    <message>
        <source>Export the &amp;sessions...</source>
        <translation>Экспортировать с&amp;еансы...</translation>
    </message>
    <message>
        <source>Tables shown</source>
        <translation>Показанные таблицы</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>&amp;Таблицы:</translation>
    </message>
    <message>
        <source>No sessions: the training log is switched off (Training &gt; Keep a training log).</source>
        <translation>Сеансов нет: дневник тренировок выключен (Тренировки &gt; Вести дневник тренировок).</translation>
    </message>
    <message>
        <source>The training log is switched off (Training &gt; Keep a training log): the sessions you train now are not kept.</source>
        <translation>Дневник тренировок выключен (Тренировки &gt; Вести дневник тренировок): сеансы, которые вы проводите сейчас, не сохраняются.</translation>
    </message>
    <message>
        <source>No sessions yet: every session you train is kept in the training log &quot;%1&quot;.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>Сеансов пока нет: каждый проведённый сеанс сохраняется в дневнике тренировок &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The training log &quot;%1&quot; holds no sessions yet.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>В дневнике тренировок &quot;%1&quot; пока нет сеансов.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of tables of rounds yet.</source>
        <translation>В дневнике тренировок пока нет сеансов по таблицам раундов.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of classic tables yet.</source>
        <translation>В дневнике тренировок пока нет сеансов по классическим таблицам.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of %1 yet.</source>
        <extracomment>%1 is the name of a table file.</extracomment>
        <translation>В дневнике тренировок пока нет сеансов по таблице %1.</translation>
    </message>
    <message>
        <source>Export the sessions</source>
        <translation>Экспорт сеансов</translation>
    </message>
    <message>
        <source>Export the log</source>
        <translation>Экспорт дневника</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Не удалось экспортировать в &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Hold &amp;curve...</source>
        <translation>Кривая &amp;задержки...</translation>
    </message>
    <message>
        <source>The heart rate and SpO2 second by second in the session&apos;s holds</source>
        <translation>ЧСС и SpO2 посекундно в задержках сеанса</translation>
    </message>
</context>
<context>
    <name>vellorin::HoldCurveWindow</name>
    <message>
        <source>Hold curve - Vellorin</source>
        <translation>Кривая задержки - Vellorin</translation>
    </message>
    <message>
        <source>Reading the sensor samples…</source>
        <translation>Чтение показаний датчиков…</translation>
    </message>
    <message>
        <source>&amp;Hold:</source>
        <translation>&amp;Задержка:</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>An entry of the list of a session&apos;s holds; %1 is the hold&apos;s number.</extracomment>
        <translation>Задержка %1</translation>
    </message>
    <message>
        <source>The sensor samples &quot;%1&quot; hold no second of a hold.</source>
        <extracomment>%1 is a sensor samples file&apos;s name.</extracomment>
        <translation>В показаниях датчиков &quot;%1&quot; нет ни одной секунды задержки.</translation>
    </message>
</context>
<context>
    <name>vellorin::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>Язык системы (%1)</translation>
    </message>
    <message>
        <source>Vellorin speaks %1 from its next start: its window, messages and spoken cues.</source>
        <extracomment>%1 is the language chosen, named in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Со следующего запуска Vellorin перейдёт на язык %1: окно, сообщения и голосовые подсказки.</translation>
    </message>
</context>
<context>
    <name>vellorin::LightsOutView</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large in lights-out while the session is paused.</extracomment>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Contraction %1</source>
        <extracomment>Shown a moment after a contraction was marked; %1 is its number in the hold.</extracomment>
        <translation>Контракция %1</translation>
    </message>
    <message>
        <source>Contractions: %1</source>
        <translation>Контракции: %1</translation>
    </message>
</context>
<context>
    <name>vellorin::PbTableDialog</name>
    <message>
        <source>New table from personal best</source>
        <translation>Новая таблица по личному рекорду</translation>
    </message>
    <message>
        <source>&amp;CO2 table: holds of 50 % of your PB, rests from 2:00 down by 15 s</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>Таблица &amp;CO2: задержки — 50 % личного рекорда, отдых от 2:00 с уменьшением на 15 с</translation>
    </message>
    <message>
        <source>&amp;O2 table: rests of 2:00, holds up by 15 s to 80 % of your PB</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>Таблица &amp;O2: отдых по 2:00, задержки растут на 15 с до 80 % личного рекорда</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>м:сс или секунды</translation>
    </message>
    <message>
        <source>&amp;Fill the fields</source>
        <translation>&amp;Заполнить поля</translation>
    </message>
    <message>
        <source>&amp;Personal best:</source>
        <translation>&amp;Личный рекорд:</translation>
    </message>
    <message>
        <source>Type your personal best as m:ss or in seconds.</source>
        <translation>Введите личный рекорд как м:сс или в секундах.</translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsEditor</name>
    <message>
        <source>Table of rounds</source>
        <translation>Таблица раундов</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>м:сс или секунды</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>Ду&amp;блировать</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>&amp;Fill from the six settings</source>
        <extracomment>The six settings: the six fields of the main window that make a classic table.</extracomment>
        <translation>&amp;Заполнить из шести параметров</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Sa&amp;ve as...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Use this table</source>
        <translation>&amp;Использовать эту таблицу</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Название:</translation>
    </message>
    <message>
        <source>&amp;Intro:</source>
        <extracomment>The countdown before the first hold of the table.</extracomment>
        <translation>Нача&amp;ло:</translation>
    </message>
    <message>
        <source>&amp;What you hear:</source>
        <extracomment>The cue profile the table plays.</extracomment>
        <translation>Что з&amp;вучит:</translation>
    </message>
    <message>
        <source>R&amp;ounds:</source>
        <translation>&amp;Раунды:</translation>
    </message>
    <message>
        <source>Could not fill the table from the six settings: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Не удалось заполнить таблицу из шести параметров: %1.</translation>
    </message>
    <message>
        <source>Replace the rounds with the six settings&apos; table? The changes you have not saved are lost.</source>
        <translation>Заменить раунды таблицей из шести параметров? Несохранённые изменения будут потеряны.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file name, %2 the name of one of the program&apos;s own files, as &quot;the training log&quot;.</extracomment>
        <translation>Не удалось сохранить таблицу в &quot;%1&quot;: это служебный файл Vellorin (%2), и таблица не должна его заменять.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Не удалось сохранить таблицу в &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Close the table without saving your changes to it?</source>
        <translation>Закрыть таблицу без сохранения изменений?</translation>
    </message>
    <message>
        <source>Save the table of rounds</source>
        <translation>Сохранение таблицы раундов</translation>
    </message>
    <message>
        <source>Vellorin tables (*.vtable)</source>
        <translation>Таблицы Vellorin (*.vtable)</translation>
    </message>
    <message>
        <source>Hold &amp;length:</source>
        <translation>Длительность зад&amp;ержки:</translation>
    </message>
    <message>
        <source>Mar&amp;gin:</source>
        <extracomment>The time a hold goes on after the first contraction.</extracomment>
        <translation>За&amp;пас:</translation>
    </message>
    <message>
        <source>Con&amp;tractions:</source>
        <extracomment>The count of contractions that ends a hold.</extracomment>
        <translation>Кон&amp;тракции:</translation>
    </message>
    <message>
        <source>&amp;Cap:</source>
        <extracomment>The longest a hold may go on.</extracomment>
        <translation>Потол&amp;ок:</translation>
    </message>
    <message>
        <source>&amp;Minimum:</source>
        <extracomment>The shortest a hold may be.</extracomment>
        <translation>&amp;Минимум:</translation>
    </message>
    <message>
        <source>Rest lengt&amp;h:</source>
        <translation>Длительность отд&amp;ыха:</translation>
    </message>
    <message>
        <source>C&amp;ycle:</source>
        <extracomment>The time from the start of a hold to the start of the next, the rest taking what the hold leaves.</extracomment>
        <translation>&amp;Цикл:</translation>
    </message>
    <message>
        <source>&amp;Floor (shortest rest):</source>
        <translation>Нижняя &amp;граница (кратчайший отдых):</translation>
    </message>
    <message>
        <source>Longest &amp;breath:</source>
        <extracomment>The longest a one-breath rest may last.</extracomment>
        <translation>Самый долгий вдо&amp;х:</translation>
    </message>
    <message>
        <source>Re&amp;peat:</source>
        <extracomment>How many times the round is run.</extracomment>
        <translation>&amp;Число повторов:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>hold</comment>
        <extracomment>A kind of hold: one of a set length.</extracomment>
        <translation>По времени</translation>
    </message>
    <message>
        <source>First contraction + margin</source>
        <extracomment>A kind of hold: it ends a margin after the first contraction.</extracomment>
        <translation>Первая контракция + запас</translation>
    </message>
    <message>
        <source>N-th contraction</source>
        <extracomment>A kind of hold: it ends at a given count of contractions.</extracomment>
        <translation>N-я контракция</translation>
    </message>
    <message>
        <source>&amp;Kind of hold:</source>
        <translation>Вид задер&amp;жки:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>rest</comment>
        <extracomment>A kind of rest: one of a set length.</extracomment>
        <translation>По времени</translation>
    </message>
    <message>
        <source>Cycle</source>
        <extracomment>A kind of rest: it lasts what the hold leaves of a set cycle.</extracomment>
        <translation>Цикл</translation>
    </message>
    <message>
        <source>One breath</source>
        <extracomment>A kind of rest: a single breath.</extracomment>
        <translation>Один вдох</translation>
    </message>
    <message>
        <source>Kind of r&amp;est:</source>
        <translation>Вид отдых&amp;а:</translation>
    </message>
    <message>
        <source>%1. To mend: %2</source>
        <extracomment>A row of the table that cannot be run: its number, and what is wrong with it.</extracomment>
        <translation>%1. Исправить: %2</translation>
    </message>
    <message>
        <source>%1. hold %2, rest %3</source>
        <extracomment>A row of the table: its number, its hold and its rest, as &quot;3. hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. задержка %2, отдых %3</translation>
    </message>
    <message>
        <source>%1. %2 × hold %3, rest %4</source>
        <extracomment>A row of the table run more than once: its number, how many times it runs, its hold and its rest, as &quot;3. 4 × hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. %2 × задержка %3, отдых %4</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>How long the whole table takes, as &quot;24:30&quot; or &quot;up to 24:30&quot;.</extracomment>
        <translation>Всего: %1</translation>
    </message>
    <message numerus="yes">
        <source>And %n more to mend.</source>
        <extracomment>After the first problems of the table: how many more there are.</extracomment>
        <translation>
            <numerusform>И ещё %n ошибка.</numerusform>
            <numerusform>И ещё %n ошибки.</numerusform>
            <numerusform>И ещё %n ошибок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>And %n more holds longer than your personal best.</source>
        <extracomment>After the first holds longer than the personal best: how many more there are.</extracomment>
        <translation>
            <numerusform>И ещё %n задержка длиннее вашего личного рекорда.</numerusform>
            <numerusform>И ещё %n задержки длиннее вашего личного рекорда.</numerusform>
            <numerusform>И ещё %n задержек длиннее вашего личного рекорда.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsPanel</name>
    <message>
        <source>The table&apos;s rounds</source>
        <translation>Раунды таблицы</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What comes next in the session, under the lights-out displays; %1 is &quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;.</extracomment>
        <translation>Далее: %1</translation>
    </message>
    <message>
        <source>%1. Hold %2, rest %3</source>
        <extracomment>A round in the list of the table&apos;s rounds: its number, its hold and its rest, as &quot;3. Hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. Задержка %2, отдых %3</translation>
    </message>
    <message>
        <source>%1. Hold %2</source>
        <extracomment>The last round, which has no rest: its number and its hold, as &quot;8. Hold 1:30&quot;.</extracomment>
        <translation>%1. Задержка %2</translation>
    </message>
    <message>
        <source>The table cannot be run: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Таблицу нельзя запустить: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The table&apos;s rounds and how long it takes, as &quot;8 rounds, 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n раунд, %1</numerusform>
            <numerusform>%n раунда, %1</numerusform>
            <numerusform>%n раундов, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The table&apos;s rounds and the longest it may take, as &quot;8 rounds, up to 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n раунд, до %1</numerusform>
            <numerusform>%n раунда, до %1</numerusform>
            <numerusform>%n раундов, до %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Round %1 of %2. Next: %3.</source>
        <extracomment>Where the session is: %1 the round under way, %2 the rounds in all, %3 what comes next (&quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;).</extracomment>
        <translation>Раунд %1 из %2. Далее: %3.</translation>
    </message>
    <message>
        <source>hold %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold this long (a time like 1:30).</extracomment>
        <translation>задержка %1</translation>
    </message>
    <message>
        <source>hold up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold that may end sooner, at most this long (a time like 1:30).</extracomment>
        <translation>задержка до %1</translation>
    </message>
    <message>
        <source>rest %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest this long (a time like 2:00).</extracomment>
        <translation>отдых %1</translation>
    </message>
    <message>
        <source>rest up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest that may end sooner, at most this long (a time like 2:00).</extracomment>
        <translation>отдых до %1</translation>
    </message>
    <message>
        <source>the end</source>
        <extracomment>What comes next, after &quot;Next:&quot;: the end of the session.</extracomment>
        <translation>конец</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorLink</name>
    <message>
        <source>This computer has no Bluetooth adapter, or its system service for Bluetooth (BlueZ) is not running.</source>
        <translation>На этом компьютере нет адаптера Bluetooth или не запущена системная служба Bluetooth (BlueZ).</translation>
    </message>
    <message>
        <source>Bluetooth is turned off. Turn it on and scan again.</source>
        <translation>Bluetooth выключен. Включите его и повторите поиск.</translation>
    </message>
    <message>
        <source>The system does not allow Vellorin to use Bluetooth.</source>
        <translation>Система не разрешает Vellorin использовать Bluetooth.</translation>
    </message>
    <message>
        <source>The scan for sensors failed: %1</source>
        <translation>Поиск датчиков не удался: %1</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorPanel</name>
    <message>
        <source> (%1 s)</source>
        <extracomment>The age of the last value a sensor sent, in whole seconds.</extracomment>
        <translation> (%1 с)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>подключение</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>подключён</translation>
    </message>
    <message>
        <source>no skin contact</source>
        <translation>нет контакта с кожей</translation>
    </message>
    <message>
        <source>finger out</source>
        <translation>нет пальца</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>нет данных</translation>
    </message>
    <message>
        <source>lost, trying again</source>
        <translation>нет связи, переподключение</translation>
    </message>
    <message>
        <source>HR %1%2</source>
        <extracomment>The heart rate beside the displays; %1 is beats per minute, %2 the value&apos;s age.</extracomment>
        <translation>ЧСС %1%2</translation>
    </message>
    <message>
        <source>HR -- %1</source>
        <translation>ЧСС -- %1</translation>
    </message>
    <message>
        <source>SpO2 %1 %  PR %2%3</source>
        <extracomment>SpO2 and the oximeter&apos;s pulse rate beside the displays; %3 is the values&apos; age.</extracomment>
        <translation>SpO2 %1 %  пульс %2%3</translation>
    </message>
    <message>
        <source>SpO2 -- %1</source>
        <translation>SpO2 -- %1</translation>
    </message>
    <message>
        <source>Sensor values</source>
        <translation>Показания датчиков</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorTraining</name>
    <message>
        <source>This Vellorin was built without Bluetooth, so it cannot use heart-rate sensors or oximeters. Everything else works as ever.</source>
        <translation>Эта версия Vellorin собрана без поддержки Bluetooth, поэтому не может работать с датчиками ЧСС и пульсоксиметрами. Всё остальное работает как прежде.</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorsDialog</name>
    <message>
        <source>Not in use</source>
        <extracomment>The state of a kind of sensor when none is chosen.</extracomment>
        <translation>Не используется</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Подключение…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Подключён</translation>
    </message>
    <message>
        <source>No skin contact</source>
        <extracomment>A chest strap that says it does not touch the skin.</extracomment>
        <translation>Нет контакта с кожей</translation>
    </message>
    <message>
        <source>Finger out</source>
        <extracomment>An oximeter that says no finger is in it.</extracomment>
        <translation>Палец не вставлен</translation>
    </message>
    <message>
        <source>No values for a while</source>
        <extracomment>Linked, but the sensor has sent no value for some seconds.</extracomment>
        <translation>Данных нет уже несколько секунд</translation>
    </message>
    <message>
        <source>Lost — trying again</source>
        <extracomment>The link to the sensor broke; the program tries to link again by itself.</extracomment>
        <translation>Связь потеряна — переподключение</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Искать</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Искать</translation>
    </message>
    <message>
        <source>Sensors found</source>
        <translation>Найденные датчики</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The headings of the list of sensors a search found; signal: its strength in dBm.</extracomment>
        <translation>Название</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Sensors fou&amp;nd:</source>
        <translation>&amp;Найденные датчики:</translation>
    </message>
    <message>
        <source>Use as &amp;heart-rate sensor</source>
        <translation>Использовать как датчик &amp;ЧСС</translation>
    </message>
    <message>
        <source>Use as heart-rate sensor</source>
        <translation>Использовать как датчик ЧСС</translation>
    </message>
    <message>
        <source>Use as &amp;oximeter</source>
        <translation>Использовать как &amp;пульсоксиметр</translation>
    </message>
    <message>
        <source>Use as oximeter</source>
        <translation>Использовать как пульсоксиметр</translation>
    </message>
    <message>
        <source>&amp;End the hold when SpO2 falls to</source>
        <translation>Завершать задержку при &amp;снижении SpO2 до</translation>
    </message>
    <message>
        <source>End the hold when SpO2 falls to</source>
        <translation>Завершать задержку при снижении SpO2 до</translation>
    </message>
    <message>
        <source>SpO2 that ends the hold</source>
        <translation>SpO2, при которой задержка завершается</translation>
    </message>
    <message>
        <source> %</source>
        <extracomment>After the SpO2 limit: 80 %.</extracomment>
        <translation> %</translation>
    </message>
    <message>
        <source>A consumer pulse oximeter reads late and low in a breath hold: its reading lags the blood by many seconds, and a cold or squeezed finger reads low. The alarm is a help, not a medical device: never rely on it to keep you safe.</source>
        <extracomment>Said beside the low-SpO2 alarm; the sentence on where to train follows it.</extracomment>
        <translation>Бытовой пульсоксиметр при задержке дыхания показывает с опозданием и занижает значения: его показания отстают от крови на много секунд, а на холодном или сдавленном пальце он показывает заниженные значения. Сигнал тревоги — помощь, а не медицинское изделие: никогда не полагайтесь на него в вопросах своей безопасности.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>За&amp;крыть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>ЧСС</translation>
    </message>
    <message>
        <source>Oximeter</source>
        <translation>Пульсоксиметр</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <extracomment>Each kind&apos;s button has its own access key.</extracomment>
        <translation>&amp;Забыть</translation>
    </message>
    <message>
        <source>Fo&amp;rget</source>
        <translation>За&amp;быть</translation>
    </message>
    <message>
        <source>Forget the heart-rate sensor</source>
        <translation>Забыть датчик ЧСС</translation>
    </message>
    <message>
        <source>Forget the oximeter</source>
        <translation>Забыть пульсоксиметр</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sensor of the kind is chosen.</extracomment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A sensor&apos;s name and its Bluetooth address: &quot;Polar H10 (AA:BB:CC:DD:EE:FF)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Battery %1 %</source>
        <extracomment>The charge left in the sensor&apos;s battery, in percent.</extracomment>
        <translation>Батарея %1 %</translation>
    </message>
    <message>
        <source>heart rate</source>
        <translation>ЧСС</translation>
    </message>
    <message>
        <source>oximeter</source>
        <translation>пульсоксиметр</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the kinds a sensor is, as &quot;heart rate, oximeter&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Ос&amp;тановить</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Поиск…</translation>
    </message>
    <message numerus="yes">
        <source>Found %n sensor(s).</source>
        <translation>
            <numerusform>Найден %n датчик.</numerusform>
            <numerusform>Найдено %n датчика.</numerusform>
            <numerusform>Найдено %n датчиков.</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <extracomment>A sensor that gives no name.</extracomment>
        <translation>(без названия)</translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <extracomment>A sensor&apos;s signal strength in dBm; a value nearer 0 is stronger.</extracomment>
        <translation>%1 дБм</translation>
    </message>
</context>
<context>
    <name>vellorin::SessionStateView</name>
    <message>
        <source>Any key: back to the displays</source>
        <translation>Любая клавиша — назад к табло</translation>
    </message>
    <message>
        <source>Vellorin: session summary</source>
        <translation>Vellorin: итоги сеанса</translation>
    </message>
</context>
<context>
    <name>vellorin::SessionsModel</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>A session&apos;s mean first contraction (%1) and the range of them (%2 to %3), each a time like 01:05.</extracomment>
        <translation>%1 (от %2 до %3)</translation>
    </message>
</context>
<context>
    <name>vellorin::SingleInstance</name>
    <message>
        <source>the lock file &quot;%1&quot; cannot be used: %2; it is left as it is</source>
        <extracomment>A warning: %1 is a file name, %2 the reason, a clause.</extracomment>
        <translation>файл блокировки &quot;%1&quot; нельзя использовать: %2; он оставлен как есть</translation>
    </message>
    <message>
        <source>waiting for the Vellorin window that runs to answer</source>
        <translation>ожидание ответа от запущенного окна Vellorin</translation>
    </message>
    <message>
        <source>the socket &quot;%1&quot; cannot be used: %2; this window does not hear later starts, which open windows of their own</source>
        <extracomment>A warning: %1 is the socket&apos;s file name, %2 the reason, a clause. A later start of the program would hand its file to this window through the socket.</extracomment>
        <translation>сокет &quot;%1&quot; нельзя использовать: %2; это окно не получает последующие запуски программы, и они открывают собственные окна</translation>
    </message>
    <message numerus="yes">
        <source>its path is longer than the %n bytes a socket&apos;s path may have</source>
        <translation>
            <numerusform>путь длиннее предельной длины пути сокета (%n байт)</numerusform>
            <numerusform>путь длиннее предельной длины пути сокета (%n байта)</numerusform>
            <numerusform>путь длиннее предельной длины пути сокета (%n байт)</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>это не сокет</translation>
    </message>
    <message>
        <source>the window listening on it does not take requests</source>
        <translation>окно, которое его слушает, не принимает запросы</translation>
    </message>
</context>
<context>
    <name>vellorin::TrainerMainform</name>
    <message>
        <source>A personal-best test is running. Close Vellorin and end it?</source>
        <translation>Идёт тест личного рекорда. Закрыть Vellorin и завершить его?</translation>
    </message>
    <message>
        <source>A session is running. Close Vellorin and end it?</source>
        <translation>Идёт сеанс. Закрыть Vellorin и завершить его?</translation>
    </message>
    <message>
        <source>%1 The classic cues play.</source>
        <extracomment>%1 is why the user&apos;s default cue profile cannot be used, in whole sentences.</extracomment>
        <translation>%1 Звучат классические подсказки.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>&amp;Undo load</source>
        <translation>Отменить от&amp;крытие</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Сохранить...</translation>
    </message>
    <message>
        <source>&amp;Export audio...</source>
        <translation>&amp;Экспортировать звук...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>Се&amp;анс</translation>
    </message>
    <message>
        <source>&amp;Start	Space</source>
        <translation>&amp;Начать	Space</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume	Space</source>
        <translation>&amp;Пауза/продолжить	Space</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>&amp;Lights-out</source>
        <translation>&amp;Затемнение</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>&amp;Тренировки</translation>
    </message>
    <message>
        <source>&amp;Personal best test...</source>
        <translation>&amp;Тест личного рекорда...</translation>
    </message>
    <message>
        <source>&amp;New table from personal best...</source>
        <translation>&amp;Новая таблица по личному рекорду...</translation>
    </message>
    <message>
        <source>Personal &amp;bests...</source>
        <translation>&amp;Личные рекорды...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;История...</translation>
    </message>
    <message>
        <source>&amp;Keep a training log</source>
        <translation>&amp;Вести дневник тренировок</translation>
    </message>
    <message>
        <source>Ta&amp;bles</source>
        <translation>Та&amp;блицы</translation>
    </message>
    <message>
        <source>&amp;Edit table of rounds...</source>
        <translation>&amp;Изменить таблицу раундов...</translation>
    </message>
    <message>
        <source>Use the &amp;six settings</source>
        <translation>Использовать &amp;шесть параметров</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Клавиши</translation>
    </message>
    <message>
        <source>&amp;About Vellorin</source>
        <translation>&amp;О программе Vellorin</translation>
    </message>
    <message>
        <source>Start: Space. Reset: Ctrl+R.</source>
        <translation>Старт: Space. Сброс: Ctrl+R.</translation>
    </message>
    <message>
        <source>Pause or resume: Space.</source>
        <translation>Пауза или продолжение: Space.</translation>
    </message>
    <message>
        <source>Load a table: Ctrl+O.</source>
        <translation>Открыть таблицу: Ctrl+O.</translation>
    </message>
    <message>
        <source>Save the table: Ctrl+S.</source>
        <translation>Сохранить таблицу: Ctrl+S.</translation>
    </message>
    <message>
        <source>Lights-out: double-click or F11.</source>
        <translation>Затемнение: двойной щелчок или F11.</translation>
    </message>
    <message>
        <source>Vellorin keys</source>
        <translation>Клавиши Vellorin</translation>
    </message>
    <message>
        <source>About Vellorin</source>
        <extracomment>%1 is the version, %2 the safety sentence, %3 the list of keys.</extracomment>
        <translation>О программе Vellorin</translation>
    </message>
    <message>
        <source>Vellorin %1
A timer for breath-hold training tables.

%2

Released under the MIT licence.

%3</source>
        <translation>Vellorin %1
Таймер для тренировочных таблиц задержки дыхания.

%2

Распространяется по лицензии MIT.

%3</translation>
    </message>
    <message>
        <source>Export audio</source>
        <translation>Экспорт звука</translation>
    </message>
    <message>
        <source>Audio files (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</source>
        <translation>Звуковые файлы (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</translation>
    </message>
    <message>
        <source>session</source>
        <comment>the name an export proposes</comment>
        <translation>сеанс</translation>
    </message>
    <message>
        <source>New &amp;CO2 table from your PB</source>
        <translation>Новая таблица &amp;CO2 по личному рекорду</translation>
    </message>
    <message>
        <source>New &amp;O2 table from your PB</source>
        <translation>Новая таблица &amp;O2 по личному рекорду</translation>
    </message>
    <message>
        <source>New &amp;pyramid from your PB</source>
        <translation>Новая &amp;пирамида по личному рекорду</translation>
    </message>
    <message>
        <source>New &amp;Wonka table (first contraction + 0:30)</source>
        <extracomment>A Wonka table: each hold goes on a set time past the first contraction.</extracomment>
        <translation>Новая таблица &amp;Wonka (первая контракция + 0:30)</translation>
    </message>
    <message>
        <source>New Wonka table by &amp;count (10 contractions)</source>
        <extracomment>A Wonka table by count: each hold ends at a count of contractions.</extracomment>
        <translation>Новая таблица Wonka по &amp;счёту (10 контракций)</translation>
    </message>
    <message>
        <source>New &amp;one-breath table (8 x 1:00)</source>
        <extracomment>A table whose rests are one breath each: 8 holds of one minute.</extracomment>
        <translation>Новая таблица &amp;одного вдоха (8 x 1:00)</translation>
    </message>
    <message>
        <source>New static &amp;intervals (10 on a 2:00 cycle)</source>
        <extracomment>Ten holds, one starting every two minutes.</extracomment>
        <translation>Новые статические инт&amp;ервалы (10 с циклом 2:00)</translation>
    </message>
    <message>
        <source>No personal best is on record. Your personal best (m:ss or seconds):</source>
        <translation>Личный рекорд не записан. Ваш личный рекорд (м:сс или секунды):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as m:ss or in seconds.</source>
        <translation>&quot;%1&quot; — не время: введите его как м:сс или в секундах.</translation>
    </message>
    <message>
        <source>Could not make the table: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Не удалось создать таблицу: %1.</translation>
    </message>
    <message>
        <source>%1

Use this table all the same?</source>
        <translation>%1

Всё равно использовать эту таблицу?</translation>
    </message>
    <message numerus="yes">
        <source>%1

A countdown of %n seconds, then &quot;hold&quot;: hold your breath as long as you safely can, and press Space when you breathe. A soft mark sounds every 30 seconds and every whole minute is spoken.

Start the test?</source>
        <extracomment>%1 is the safety advice, a sentence. &quot;hold&quot; is the word the test says as the hold begins; Space is the key.</extracomment>
        <translation>
            <numerusform>%1

Обратный отсчёт — %n секунда, затем «задержка»: задерживайте дыхание, сколько можете без риска, и нажмите Space, когда сделаете вдох. Каждые 30 секунд звучит мягкая отметка, а каждая полная минута объявляется вслух.

Начать тест?</numerusform>
            <numerusform>%1

Обратный отсчёт — %n секунды, затем «задержка»: задерживайте дыхание, сколько можете без риска, и нажмите Space, когда сделаете вдох. Каждые 30 секунд звучит мягкая отметка, а каждая полная минута объявляется вслух.

Начать тест?</numerusform>
            <numerusform>%1

Обратный отсчёт — %n секунд, затем «задержка»: задерживайте дыхание, сколько можете без риска, и нажмите Space, когда сделаете вдох. Каждые 30 секунд звучит мягкая отметка, а каждая полная минута объявляется вслух.

Начать тест?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fill the fields with this table all the same?</source>
        <translation>%1

Всё равно заполнить поля этой таблицей?</translation>
    </message>
    <message>
        <source>Sen&amp;sors...</source>
        <translation>&amp;Датчики...</translation>
    </message>
    <message>
        <source>SpO2 %1 %: the hold is ended. Breathe.</source>
        <extracomment>Shown large under the displays as the low-SpO2 alarm ends a hold; %1 is the SpO2 in percent.</extracomment>
        <translation>SpO2 %1 %: задержка завершена. Дышите.</translation>
    </message>
</context>
</TS>
