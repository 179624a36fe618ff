<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>AttemptsFile</name>
    <message>
        <source>it holds a control character</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>conté un caràcter de control</translation>
    </message>
    <message>
        <source>it is not a date and time followed by the seconds held</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>no és una data i una hora seguides dels segons d&apos;apnea</translation>
    </message>
    <message>
        <source>it does not begin with a date and time with its offset from UTC</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>no comença amb una data i una hora amb la seva diferència respecte a l&apos;UTC</translation>
    </message>
    <message>
        <source>the seconds held are not a whole number from %1 to %2</source>
        <extracomment>Why a line of the personal-best attempts file is left out.</extracomment>
        <translation>els segons d&apos;apnea no són un nombre enter de %1 a %2</translation>
    </message>
    <message>
        <source>Could not read the attempts in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason it cannot be read.</extracomment>
        <translation>No s&apos;han pogut llegir els intents de &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>the file has changed since it was read; open the list again</source>
        <extracomment>Why an attempt could not be removed from the personal-best attempts file.</extracomment>
        <translation>el fitxer ha canviat des que es va llegir; torneu a obrir la llista</translation>
    </message>
</context>
<context>
    <name>AudioExport</name>
    <message>
        <source>Cannot tell the audio format of &quot;%1&quot;: name it .wav, .flac, .ogg or .mp3.</source>
        <extracomment>%1 is the output file&apos;s name; .wav, .flac, .ogg and .mp3 are the endings it may have.</extracomment>
        <translation>No es pot determinar el format d&apos;àudio de &quot;%1&quot;: poseu-li l&apos;extensió .wav, .flac, .ogg o .mp3.</translation>
    </message>
    <message>
        <source>Could not export the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the output file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>No s&apos;ha pogut exportar la sessió a &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>round %1&apos;s hold ends at a contraction, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number.</extracomment>
        <translation>l&apos;apnea de la ronda %1 acaba en una contracció, que un fitxer d&apos;àudio no pot esperar; només es pot exportar una taula en què cada apnea i cada descans tinguin una durada fixa</translation>
    </message>
    <message>
        <source>round %1&apos;s rest ends at the breath key, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number; the breath key ends a rest of one breath.</extracomment>
        <translation>el descans de la ronda %1 acaba amb la tecla de respiració, que un fitxer d&apos;àudio no pot esperar; només es pot exportar una taula en què cada apnea i cada descans tinguin una durada fixa</translation>
    </message>
    <message>
        <source>it is not one of the program&apos;s cues</source>
        <extracomment>Why a sound file (&quot;it&quot;) cannot be played as a cue.</extracomment>
        <translation>no és cap dels senyals del programa</translation>
    </message>
    <message>
        <source>the cue &quot;%1&quot; cannot be used: %2</source>
        <extracomment>%1 is a cue&apos;s sound file, %2 why it cannot be used.</extracomment>
        <translation>el senyal &quot;%1&quot; no es pot utilitzar: %2</translation>
    </message>
    <message>
        <source>the export was cancelled</source>
        <extracomment>Why an audio file was not written: the user cancelled its export.</extracomment>
        <translation>s&apos;ha cancel·lat l&apos;exportació</translation>
    </message>
    <message>
        <source>Exporting the session to %1...</source>
        <extracomment>%1 is the audio file&apos;s name.</extracomment>
        <translation>S&apos;està exportant la sessió a %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Loop %1</source>
        <extracomment>The loop display; %1 is the round under way. Must stay short.</extracomment>
        <translation>Bucle %1</translation>
    </message>
    <message>
        <source>Intro</source>
        <extracomment>The phase display: the breathe-up before the first hold. Must stay short.</extracomment>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The phase display: the breath is held (a noun, the phase). Must stay short.</extracomment>
        <translation>Apnea</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase display: breathing between two holds. Must stay short.</extracomment>
        <translation>Descans</translation>
    </message>
    <message>
        <source>End!</source>
        <extracomment>The phase display once the session or the test is over. Must stay short.</extracomment>
        <translation>Fi!</translation>
    </message>
    <message>
        <source>PB test</source>
        <extracomment>The loop display during a personal-best test. Must stay short.</extracomment>
        <translation>Prova RP</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts a session.</extracomment>
        <translation>Inicia</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The button that stops a session and sets it back to its start.</extracomment>
        <translation>Reinicia</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprèn</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start would refuse this table: %1.</source>
        <extracomment>Start: the window&apos;s button that starts a session. %1 is the reason, such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>El botó Inicia rebutjaria aquesta taula: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Exported the session, %n cues in %1 s of audio, to &quot;%2&quot; in %3 ms.</source>
        <extracomment>%n is how many cues were written, %1 the audio&apos;s length in seconds, %2 the file&apos;s name, %3 how long the export took in milliseconds.</extracomment>
        <translation>
            <numerusform>S&apos;ha exportat la sessió, %n senyal en %1 s d&apos;àudio, a &quot;%2&quot; en %3 ms.</numerusform>
            <numerusform>S&apos;ha exportat la sessió, %n senyals en %1 s d&apos;àudio, a &quot;%2&quot; en %3 ms.</numerusform>
        </translation>
    </message>
    <message>
        <source>--new-table takes %1 or %2 and a personal best as m:ss or seconds, not &quot;%3&quot; and &quot;%4&quot;.</source>
        <extracomment>%1 and %2 are the kinds of table (&quot;co2, o2, ...&quot; and &quot;intervals&quot;), typed as they are in every language; %3 and %4 what was typed for the kind and the personal best.</extracomment>
        <translation>--new-table necessita %1 o %2 i un rècord personal en m:ss o en segons, no &quot;%3&quot; i &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--new-table %1 makes a table of rounds, which a session file cannot hold: name OUT .vtable.</source>
        <extracomment>%1 is the kind of table, such as one-breath, typed as it is in every language. OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>--new-table %1 crea una taula de rondes, que un fitxer de sessió no pot contenir: doneu a OUT l&apos;extensió .vtable.</translation>
    </message>
    <message>
        <source>The table&apos;s cue profile &quot;%1&quot; is not there: %2 plays.</source>
        <extracomment>%1 is the cue profile the table names, %2 the one played instead.</extracomment>
        <translation>El perfil de senyals &quot;%1&quot; de la taula no hi és: es reprodueix %2.</translation>
    </message>
    <message>
        <source>Cue profile: %1</source>
        <extracomment>Before the list of the cues a session plays: %1 is the cue profile&apos;s name.</extracomment>
        <translation>Perfil de senyals: %1</translation>
    </message>
    <message>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why its session cannot be exported.</extracomment>
        <translation>No s&apos;ha pogut exportar &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not list the cues of &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why the cues of its session cannot be listed.</extracomment>
        <translation>No s&apos;han pogut llistar els senyals de &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>first contraction + %1, at least %2, up to %3</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the least and %3 the most the hold lasts, each like 00:30.</extracomment>
        <translation>primera contracció + %1, com a mínim %2, com a màxim %3</translation>
    </message>
    <message>
        <source>first contraction + %1, up to %2</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the most the hold lasts, each like 00:30.</extracomment>
        <translation>primera contracció + %1, com a màxim %2</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, at least %1, up to %2</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the least and %2 the most it lasts, each like 00:30.</extracomment>
        <translation>
            <numerusform>%n contracció, com a mínim %1, com a màxim %2</numerusform>
            <numerusform>%n contraccions, com a mínim %1, com a màxim %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, up to %1</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the most it lasts, like 03:00.</extracomment>
        <translation>
            <numerusform>%n contracció, com a màxim %1</numerusform>
            <numerusform>%n contraccions, com a màxim %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cycle %1 (at least %2)</source>
        <extracomment>A rest that lasts until the next hold&apos;s start, a cycle after this hold&apos;s: %1 is the cycle and %2 the shortest the rest lasts, each like 02:00.</extracomment>
        <translation>cicle %1 (com a mínim %2)</translation>
    </message>
    <message>
        <source>one breath (up to %1)</source>
        <extracomment>A rest of one breath, ended by a key: %1 is the most it lasts, like 00:10.</extracomment>
        <translation>una respiració (com a màxim %1)</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The heading of the column of the holds&apos; lengths in a table&apos;s preview (the noun: a breath hold); best within 5 letters.</extracomment>
        <translation>Apnea</translation>
    </message>
    <message>
        <source>Intro %1</source>
        <extracomment>The first line of a table&apos;s preview: %1 is the intro&apos;s length, like 00:30.</extracomment>
        <translation>Intro %1</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The heading of the column of the rounds&apos; numbers in the preview of a table of rounds; best within 5 letters.</extracomment>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The heading of the column of the rests&apos; lengths in a table&apos;s preview (the noun); best within 5 letters.</extracomment>
        <translation>Descans</translation>
    </message>
    <message>
        <source>Total %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is its length as the clock shows it, like 17:15, %2 the same in seconds.</extracomment>
        <translation>Total %1 (%2 s)</translation>
    </message>
    <message>
        <source>Total up to %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is the most it can last as the clock shows it, like 41:10, %2 the same in seconds.</extracomment>
        <translation>Total fins a %1 (%2 s)</translation>
    </message>
    <message>
        <source>Loop</source>
        <extracomment>The heading of the column of the loops&apos; numbers in a table&apos;s preview; best within 5 letters.</extracomment>
        <translation>Bucle</translation>
    </message>
    <message>
        <source>Session clock</source>
        <extracomment>The heading of the column of what the session clock shows as each hold begins.</extracomment>
        <translation>Rellotge de la sessió</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as typed, in quotes: &apos;--bogus&apos;.</extracomment>
        <translation>Opció desconeguda %1.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <extracomment>%1 lists the options as typed, in quotes: &apos;--bogus&apos;, &apos;-x&apos;.</extracomment>
        <translation>Opcions desconegudes: %1.</translation>
    </message>
    <message>
        <source>Vellorin, a timer for breath-hold training tables with spoken cues.</source>
        <translation>Vellorin, un temporitzador per a taules d&apos;entrenament d&apos;apnea amb senyals parlats.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Mostra aquesta ajuda.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Mostra la versió.</translation>
    </message>
    <message>
        <source>Print the table of a session file loop by loop, or of a table file (.vtable) round by round.</source>
        <translation>Mostra la taula d&apos;un fitxer de sessió bucle a bucle, o d&apos;un fitxer de taula (.vtable) ronda a ronda.</translation>
    </message>
    <message>
        <source>FILE.ses</source>
        <extracomment>The value of an option: a session file, named with its ending .ses.</extracomment>
        <translation>FITXER.ses</translation>
    </message>
    <message>
        <source>Export its whole session as audio file OUT; a table file (.vtable) only when its every hold and rest is timed.</source>
        <extracomment>OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>Exporta tota la sessió al fitxer d&apos;àudio OUT; un fitxer de taula (.vtable) només si cada apnea i cada descans tenen una durada fixa.</translation>
    </message>
    <message>
        <source>Write table KIND (%1) made from personal best PB (m:ss or seconds) to OUT: a table file when OUT ends in .vtable (one-breath and intervals need no PB), else a session file (co2 and o2).</source>
        <extracomment>%1 lists the kinds (co2, o2, ...), typed as they are in every language, as are co2, o2, one-breath and intervals here. KIND, PB and OUT are the values&apos; names in the usage, as the help lists them.</extracomment>
        <translation>Escriu a OUT la taula KIND (%1) feta a partir del rècord personal PB (m:ss o segons): un fitxer de taula si OUT acaba en .vtable (one-breath i intervals no necessiten PB), si no, un fitxer de sessió (co2 i o2).</translation>
    </message>
    <message>
        <source>KIND</source>
        <extracomment>The value of --new-table: the kind of table.</extracomment>
        <translation>KIND</translation>
    </message>
    <message>
        <source>With --table, print every cue heard instead: its second and its words.</source>
        <translation>Amb --table, mostra en canvi cada senyal que se sent: el seu segon i les seves paraules.</translation>
    </message>
    <message>
        <source>With --table --cues or --export-audio, the cue profile: %1, a profile of yours by name or a .vcues file; else the table&apos;s or your default.</source>
        <extracomment>%1 lists the built-in profiles (classic, guided, ...), typed as they are in every language.</extracomment>
        <translation>Amb --table --cues o --export-audio, el perfil de senyals: %1, un perfil vostre pel nom o un fitxer .vcues; si no, el de la taula o el vostre perfil per defecte.</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The value of --profile: a cue profile&apos;s name.</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>A session file to open; with --export-audio, OUT.</source>
        <translation>Un fitxer de sessió per obrir; amb --export-audio, OUT.</translation>
    </message>
    <message>
        <source>[FILE.ses | OUT]</source>
        <extracomment>The arguments after the options in the usage line: a session file, or with --export-audio the output file.</extracomment>
        <translation>[FITXER.ses | OUT]</translation>
    </message>
    <message>
        <source>--table, --export-audio and --new-table cannot be used together.</source>
        <translation>--table, --export-audio i --new-table no es poden fer servir juntes.</translation>
    </message>
    <message>
        <source>--cues goes with --table, and --profile with --table --cues or --export-audio.</source>
        <translation>--cues va amb --table, i --profile amb --table --cues o --export-audio.</translation>
    </message>
    <message>
        <source>--new-table KIND takes a personal best and OUT (.ses or .vtable); one-breath and intervals may go without the personal best.</source>
        <translation>--new-table KIND necessita un rècord personal i OUT (.ses o .vtable); one-breath i intervals poden prescindir del rècord personal.</translation>
    </message>
    <message>
        <source>--table takes no other argument.</source>
        <translation>--table no admet cap altre argument.</translation>
    </message>
    <message>
        <source>--export-audio FILE.ses takes one output file, OUT.</source>
        <translation>--export-audio FITXER.ses necessita un sol fitxer de sortida, OUT.</translation>
    </message>
    <message>
        <source>Only one session file can be opened.</source>
        <translation>Només es pot obrir un fitxer de sessió.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be represented in this system&apos;s encoding, so Vellorin cannot open or write a file of that name.</source>
        <translation>El nom &quot;%1&quot; no es pot representar amb la codificació d&apos;aquest sistema, per tant el Vellorin no pot obrir ni escriure cap fitxer amb aquest nom.</translation>
    </message>
    <message>
        <source>the output could not be written: %1</source>
        <translation>no s&apos;ha pogut escriure la sortida: %1</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; given to %2 cannot be used: %3; it is left out.</source>
        <extracomment>Printed after &quot;vellorin: &quot;. %1 is a file name, %2 the option that named it (-stylesheet), %3 the reason, a clause.</extracomment>
        <translation>el fitxer &quot;%1&quot; passat a %2 no es pot utilitzar: %3; s&apos;ometrà.</translation>
    </message>
    <message>
        <source>the session did not reach its end</source>
        <translation>la sessió no ha arribat al final</translation>
    </message>
</context>
<context>
    <name>CueProfile</name>
    <message>
        <source>the rest call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the rest, like &quot;two minutes&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>l&apos;avís %1 durant el descans no es pot dir</translation>
    </message>
    <message>
        <source>the rest call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the rest, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>l&apos;avís %1 durant el descans no es pot comptar</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in a hold, like &quot;thirty seconds&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>l&apos;avís %1 durant l&apos;apnea no es pot dir</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in a hold, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>l&apos;avís %1 durant l&apos;apnea no es pot comptar</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the session&apos;s last hold; %1 is the call, like 00:25.</extracomment>
        <translation>l&apos;avís %1 durant l&apos;última apnea no es pot dir</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the session&apos;s last hold; %1 is the count.</extracomment>
        <translation>l&apos;avís %1 durant l&apos;última apnea no es pot comptar</translation>
    </message>
    <message>
        <source>the elapsed calls must come every 0:30, 1:00, ... up to 30:00, or never (0)</source>
        <extracomment>The elapsed calls say how long a hold has lasted.</extracomment>
        <translation>els avisos del temps transcorregut han de ser cada 0:30, 1:00, ... fins a 30:00, o mai (0)</translation>
    </message>
    <message>
        <source>the last breath must come 0 to 60 seconds before a hold</source>
        <extracomment>The last breath: the cue that asks for the last breath before a hold.</extracomment>
        <translation>l&apos;última inspiració ha de ser entre 0 i 60 segons abans d&apos;una apnea</translation>
    </message>
    <message>
        <source>the recovery breaths must be 0 to 3</source>
        <extracomment>The recovery breaths: the breaths called for after a hold.</extracomment>
        <translation>les respiracions de recuperació han de ser de 0 a 3</translation>
    </message>
    <message>
        <source>a paced breath must be 2 to 20 seconds in and 2 to 30 seconds out</source>
        <extracomment>A paced breath: a breath in and out timed by the cues in a rest.</extracomment>
        <translation>una respiració pautada ha de durar de 2 a 20 segons en inspirar i de 2 a 30 segons en expirar</translation>
    </message>
    <message>
        <source>the paced part of a rest must be 0 to 1:00:00, or all</source>
        <extracomment>The paced part: the end of a rest in which the cues time each breath.</extracomment>
        <translation>la part pautada d&apos;un descans ha de ser de 0 a 1:00:00, o tot el descans</translation>
    </message>
</context>
<context>
    <name>CueSound</name>
    <message>
        <source>its sample rate is %1 Hz, not the %2 Hz of the other cues</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 and %2 are sample rates, like 22050.</extracomment>
        <translation>la seva freqüència de mostreig és de %1 Hz, no els %2 Hz dels altres senyals</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 is the system&apos;s reason.</extracomment>
        <translation>no es pot llegir: %1</translation>
    </message>
    <message numerus="yes">
        <source>it is not mono (it has %n channels)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; mono: of one channel.</extracomment>
        <translation>
            <numerusform>no és mono (té %n canal)</numerusform>
            <numerusform>no és mono (té %n canals)</numerusform>
        </translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not one a cue can have</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>la seva freqüència de mostreig de %1 Hz no és vàlida per a un senyal</translation>
    </message>
    <message numerus="yes">
        <source>its samples (format %1, %n bits) are neither integer PCM nor float</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 is the number of its sample format, %n the bits of a sample.</extracomment>
        <translation>
            <numerusform>les seves mostres (format %1, %n bit) no són ni PCM enter ni de coma flotant</numerusform>
            <numerusform>les seves mostres (format %1, %n bits) no són ni PCM enter ni de coma flotant</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>no conté cap so</translation>
    </message>
    <message>
        <source>it lasts %1 s, longer than the %2 s a cue may last</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 and %2 are lengths in seconds.</extracomment>
        <translation>dura %1 s, més dels %2 s que pot durar un senyal</translation>
    </message>
    <message>
        <source>its float samples are not numbers or go beyond full scale, so they cannot be scaled</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>les seves mostres de coma flotant no són nombres o superen l&apos;escala completa, per tant no es poden escalar</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>no és un fitxer WAV</translation>
    </message>
    <message>
        <source>it is not a WAV file Vellorin can read (no format)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>no és un fitxer WAV que el Vellorin pugui llegir (no té format)</translation>
    </message>
</context>
<context>
    <name>CueWords</name>
    <message>
        <source>(tick)</source>
        <translation>(tic)</translation>
    </message>
    <message>
        <source>(tone: hold)</source>
        <translation>(to: apnea)</translation>
    </message>
    <message>
        <source>(tone: breathe)</source>
        <translation>(to: respira)</translation>
    </message>
    <message>
        <source>(tone: the end)</source>
        <translation>(to: final)</translation>
    </message>
    <message>
        <source>(tone: time call)</source>
        <translation>(to: avís de temps)</translation>
    </message>
    <message>
        <source>(tone: last breath)</source>
        <translation>(to: última inspiració)</translation>
    </message>
    <message>
        <source>(soft tone: hold the breath)</source>
        <translation>(to suau: mantén la respiració)</translation>
    </message>
    <message>
        <source>(soft rising tone: breathe in)</source>
        <translation>(to suau ascendent: inspira)</translation>
    </message>
    <message>
        <source>(soft falling tone: breathe out)</source>
        <translation>(to suau descendent: expira)</translation>
    </message>
</context>
<context>
    <name>DamagedLines</name>
    <message>
        <source>Left out line %1 of &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the line&apos;s number, %2 the file&apos;s name, %3 why the line was left out.</extracomment>
        <translation>S&apos;ha omès la línia %1 de &quot;%2&quot;: %3.</translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3 more.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 the first of the lines&apos; numbers, as a list (&quot;3, 4, 5, 6, 7&quot;), %3 how many more lines there are.</extracomment>
        <translation>
            <numerusform>S&apos;ha omès %n línia de &quot;%1&quot;: línies %2 i %3 més.</numerusform>
            <numerusform>S&apos;han omès %n línies de &quot;%1&quot;: línies %2 i %3 més.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 all but the last of the lines&apos; numbers, as a list (&quot;3, 4, 5&quot;), %3 the last one.</extracomment>
        <translation>
            <numerusform>S&apos;ha omès %n línia de &quot;%1&quot;: línies %2 i %3.</numerusform>
            <numerusform>S&apos;han omès %n línies de &quot;%1&quot;: línies %2 i %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <extracomment>%1 is a line&apos;s number, %2 why it was left out.</extracomment>
        <translation>Línia %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is not a file</source>
        <extracomment>Why a path cannot be read or written: it names a folder, a device or a pipe.</extracomment>
        <translation>no és un fitxer</translation>
    </message>
    <message>
        <source>its bytes could not be written to the disk</source>
        <extracomment>Why a file (&quot;its&quot;) could not be written.</extracomment>
        <translation>no s&apos;han pogut escriure els seus bytes al disc</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be read; %1 is the most bytes such a file may hold.</extracomment>
        <translation>ocupa més de %1 bytes</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Tables</source>
        <extracomment>In a file dialog&apos;s list of file types: session files and table files together.</extracomment>
        <translation>Taules</translation>
    </message>
    <message>
        <source>Session files</source>
        <translation>Fitxers de sessió</translation>
    </message>
    <message>
        <source>Vellorin tables</source>
        <translation>Taules del Vellorin</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Tables of rounds</source>
        <extracomment>A choice of the sessions shown: those of tables of rounds.</extracomment>
        <translation>Taules de rondes</translation>
    </message>
    <message>
        <source>Classic tables</source>
        <extracomment>A choice of the sessions shown: those of classic tables of six settings.</extracomment>
        <translation>Taules clàssiques</translation>
    </message>
    <message>
        <source>All tables</source>
        <extracomment>A choice of the sessions shown: all of them.</extracomment>
        <translation>Totes les taules</translation>
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
        <translation>s</translation>
    </message>
    <message>
        <source>Mean first contraction</source>
        <translation>Primera contracció mitjana</translation>
    </message>
    <message>
        <source>Range of first contractions</source>
        <translation>Interval de les primeres contraccions</translation>
    </message>
    <message>
        <source>First contraction in each hold</source>
        <translation>Primera contracció de cada apnea</translation>
    </message>
    <message>
        <source>Total time held</source>
        <translation>Temps total d&apos;apnea</translation>
    </message>
    <message>
        <source>Personal-best attempts</source>
        <translation>Intents de rècord personal</translation>
    </message>
    <message>
        <source>Time held in each session, and personal-best attempts</source>
        <translation>Temps d&apos;apnea de cada sessió i intents de rècord personal</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A column&apos;s heading: the training table a session ran.</extracomment>
        <translation>Taula</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Apnees</translation>
    </message>
    <message>
        <source>Time held</source>
        <translation>Temps d&apos;apnea</translation>
    </message>
    <message>
        <source>First contraction</source>
        <translation>Primera contracció</translation>
    </message>
    <message>
        <source>Contractions</source>
        <translation>Contraccions</translation>
    </message>
    <message>
        <source>Largest heart-rate drop</source>
        <extracomment>A series: per session, the heart rate at a hold&apos;s start less the lowest in it, the largest of the session&apos;s holds.</extracomment>
        <translation>Màxima baixada de la freqüència cardíaca</translation>
    </message>
    <message>
        <source>Largest heart-rate drop in a hold of each session (heart rate at its start less the lowest)</source>
        <extracomment>The unit of a chart&apos;s values: beats per minute.</extracomment>
        <translation>Màxima baixada de la freqüència cardíaca en una apnea de cada sessió (la freqüència a l&apos;inici de l&apos;apnea menys la més baixa)</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>ppm</translation>
    </message>
    <message>
        <source>Lowest SpO2</source>
        <translation>SpO2 més baixa</translation>
    </message>
    <message>
        <source>Lowest SpO2 in each session</source>
        <extracomment>The unit of a chart&apos;s values: percent.</extracomment>
        <translation>SpO2 més baixa de cada sessió</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Hold %1, second by second</source>
        <extracomment>The title of a chart of one hold; %1 is the hold&apos;s number.</extracomment>
        <translation>Apnea %1, segon a segon</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>Freqüència cardíaca</translation>
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
        <translation>És el vostre rècord personal.</translation>
    </message>
    <message>
        <source>No attempt before it could be read.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold.</extracomment>
        <translation>No s&apos;ha pogut llegir cap intent anterior.</translation>
    </message>
    <message>
        <source>A new personal best: it was %1.</source>
        <extracomment>%1 is the personal best before this attempt, a time like 3:05.</extracomment>
        <translation>Un nou rècord personal: l&apos;anterior era %1.</translation>
    </message>
    <message>
        <source>It beats the best attempt that could be read, %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Supera el millor intent que s&apos;ha pogut llegir, %1.</translation>
    </message>
    <message>
        <source>Your personal best is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>El vostre rècord personal és %1.</translation>
    </message>
    <message>
        <source>The best attempt that could be read is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>El millor intent que s&apos;ha pogut llegir és %1.</translation>
    </message>
    <message>
        <source>The test ended within the first second of the hold: too short for an attempt, so nothing was kept.</source>
        <extracomment>After a personal-best test: nothing was kept in the attempts file.</extracomment>
        <translation>La prova ha acabat dins el primer segon de l&apos;apnea: massa curta per ser un intent, així que no s&apos;ha desat res.</translation>
    </message>
    <message>
        <source>You held your breath for %1.</source>
        <extracomment>%1 is the time held, like 3:05.</extracomment>
        <translation>Heu aguantat la respiració durant %1.</translation>
    </message>
    <message>
        <source>Whether it is a personal best is not known.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold; the attempts file could not be read.</extracomment>
        <translation>No se sap si és un rècord personal.</translation>
    </message>
    <message>
        <source>The attempt could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the system&apos;s reason it could not be written.</extracomment>
        <translation>No s&apos;ha pogut desar l&apos;intent a &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Its last hold, %1, is over 80 % of your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s last hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>La seva última apnea, %1, supera el 80 % del vostre rècord personal, %2.</translation>
    </message>
    <message>
        <source>Its longest hold, %1, is longer than your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s longest hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>La seva apnea més llarga, %1, és més llarga que el vostre rècord personal, %2.</translation>
    </message>
    <message>
        <source>Train breath-holds only on dry land, sitting or lying, never in or near water, and never alone.</source>
        <translation>Entreneu l&apos;apnea només en terra ferma, en posició asseguda o estirada, mai dins l&apos;aigua ni a prop de l&apos;aigua, i mai sense companyia.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line&apos;s number in the cue profile&apos;s file, %2 what is wrong with it.</extracomment>
        <translation>línia %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time from 0 to %2</source>
        <extracomment>%1 is the value in the file, %2 the longest time it may be, like 1:00.</extracomment>
        <translation>&quot;%1&quot; no és un temps de 0 a %2</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be spoken</source>
        <extracomment>A call is a time said (written m:ss) or a second counted (a bare number); %1 is the call as the file writes it.</extracomment>
        <translation>l&apos;avís &quot;%1&quot; no es pot dir</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be counted (1 to 20)</source>
        <translation>l&apos;avís &quot;%1&quot; no es pot comptar (d&apos;1 a 20)</translation>
    </message>
    <message>
        <source>it must be %1 or %2</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; %1 and %2 are the two words the file may hold, kept as they are.</extracomment>
        <translation>ha de ser %1 o %2</translation>
    </message>
    <message>
        <source>the name must be 1 to 100 characters</source>
        <translation>el nom ha de tenir d&apos;1 a 100 caràcters</translation>
    </message>
    <message>
        <source>it must be a whole number from 0 to %1</source>
        <extracomment>Why a value (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>ha de ser un nombre enter de 0 a %1</translation>
    </message>
    <message>
        <source>it must be two counts of seconds, or none</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; none is the word the file holds for no paced breathing, kept as it is.</extracomment>
        <translation>ha de contenir dos nombres de segons, o none</translation>
    </message>
    <message>
        <source>it is not &quot;key = value&quot;</source>
        <extracomment>Why a line (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>no és &quot;clau = valor&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given again</source>
        <extracomment>%1 is a setting&apos;s key in the file, such as rest-calls.</extracomment>
        <translation>&quot;%1&quot; apareix una altra vegada</translation>
    </message>
    <message>
        <source>it is not a cue profile</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>no és un perfil de senyals</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin</source>
        <extracomment>Why a cue profile&apos;s file (&quot;it&quot;) cannot be loaded.</extracomment>
        <translation>l&apos;ha escrit una versió més nova del Vellorin</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a cue profile</source>
        <extracomment>%1 is a key in the file.</extracomment>
        <translation>&quot;%1&quot; no és un paràmetre d&apos;un perfil de senyals</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key the file must hold, format or name, kept as it is.</extracomment>
        <translation>falta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Could not load the cue profile &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the cue profile&apos;s file name, %2 the reason it cannot be loaded.</extracomment>
        <translation>No s&apos;ha pogut carregar el perfil de senyals &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>no és text UTF-8</translation>
    </message>
    <message>
        <source>There is no cue profile &quot;%1&quot;: the profiles are %2, or those in &quot;%3&quot;.</source>
        <extracomment>%1 is the name asked for, %2 the built-in profiles&apos; names (&quot;classic, guided, ...&quot;), %3 the folder of the user&apos;s own profiles.</extracomment>
        <translation>No hi ha cap perfil de senyals &quot;%1&quot;: els perfils són %2, o els de &quot;%3&quot;.</translation>
    </message>
</context>
<context>
    <name>RoundsEditing</name>
    <message numerus="yes">
        <source>%n rounds</source>
        <extracomment>The total below a table&apos;s rounds, while a value is still to mend.</extracomment>
        <translation>
            <numerusform>%n ronda</numerusform>
            <numerusform>%n rondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is how long the table lasts, like 24:30.</extracomment>
        <translation>
            <numerusform>%n ronda, %1</numerusform>
            <numerusform>%n rondes, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is the most the table can last, like 24:30, as a hold or a rest ends at a contraction or a key.</extracomment>
        <translation>
            <numerusform>%n ronda, fins a %1</numerusform>
            <numerusform>%n rondes, fins a %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoundsPresets</name>
    <message>
        <source>CO2 from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>CO2 a partir d&apos;un RP de %1</translation>
    </message>
    <message>
        <source>O2 from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>O2 a partir d&apos;un RP de %1</translation>
    </message>
    <message>
        <source>Pyramid from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Piràmide a partir d&apos;un RP de %1</translation>
    </message>
    <message>
        <source>Wonka from a PB of %1</source>
        <extracomment>The name of a new table whose holds end after the first contraction (&quot;Wonka&quot; is a name); %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka a partir d&apos;un RP de %1</translation>
    </message>
    <message>
        <source>Wonka by count from a PB of %1</source>
        <extracomment>The name of a new table whose holds end at a count of contractions; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka per recompte a partir d&apos;un RP de %1</translation>
    </message>
    <message>
        <source>One-breath</source>
        <extracomment>The name of a new table whose rests are one breath each.</extracomment>
        <translation>Una respiració</translation>
    </message>
    <message>
        <source>Static intervals</source>
        <extracomment>The name of a new table whose holds start at a fixed interval.</extracomment>
        <translation>Intervals estàtics</translation>
    </message>
    <message>
        <source>the personal best must be from 00:01 to %1 for a table of rounds</source>
        <extracomment>%1 is the longest personal best a table is made from, a time like 24:00:00.</extracomment>
        <translation>el rècord personal ha de ser de 00:01 a %1 per a una taula de rondes</translation>
    </message>
</context>
<context>
    <name>SensorSamples</name>
    <message>
        <source>its %1 holds no value a sensor gives</source>
        <extracomment>Why a row of a sensor samples file is left out; %1 is a column&apos;s name in the file.</extracomment>
        <translation>la seva columna %1 no conté cap valor que pugui donar un sensor</translation>
    </message>
    <message>
        <source>it was cut short</source>
        <extracomment>Why a row of a sensor samples file is left out.</extracomment>
        <translation>s&apos;ha tallat</translation>
    </message>
    <message>
        <source>its header has no %1</source>
        <extracomment>%1 is a column&apos;s name a sensor samples file must have.</extracomment>
        <translation>la seva capçalera no té la columna %1</translation>
    </message>
    <message>
        <source>it has %1 columns, not %2</source>
        <extracomment>%1 and %2 are counts of columns.</extracomment>
        <translation>el nombre de columnes és %1, no %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <extracomment>Why a sensor samples file is not read; %1 is the most bytes it may hold.</extracomment>
        <translation>conté més de %1 bytes</translation>
    </message>
    <message>
        <source>Could not read the sensor samples &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 why it cannot be read.</extracomment>
        <translation>No s&apos;han pogut llegir les lectures dels sensors &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not keep the sensors&apos; values in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>No s&apos;han pogut desar els valors dels sensors a &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>SessionController</name>
    <message>
        <source>An error occured. Please check the values in the input fields.</source>
        <translation>S&apos;ha produït un error. Comproveu els valors dels camps d&apos;entrada.</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>the training log</source>
        <extracomment>One of Vellorin&apos;s own files, named in &quot;it is the training log Vellorin keeps, not a table&quot; (and so are the other two).</extracomment>
        <translation>el registre d&apos;entrenament</translation>
    </message>
    <message>
        <source>the personal-best attempts</source>
        <extracomment>One of Vellorin&apos;s own files: the attempts of personal-best tests.</extracomment>
        <translation>els intents de rècord personal</translation>
    </message>
    <message>
        <source>the window&apos;s settings</source>
        <extracomment>One of Vellorin&apos;s own files: the window&apos;s size and other settings.</extracomment>
        <translation>els paràmetres de la finestra</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is %2 Vellorin keeps, not a table.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>No s&apos;ha pogut carregar &quot;%1&quot;: és un fitxer propi del Vellorin (%2), no una taula.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>No s&apos;ha pogut desar la sessió a &quot;%1&quot;: és un fitxer propi del Vellorin (%2), que una taula no ha de substituir.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files.</extracomment>
        <translation>No s&apos;ha pogut desar la taula a &quot;%1&quot;: és un fitxer propi del Vellorin (%2), que una taula no ha de substituir.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>No s&apos;ha pogut desar la sessió a &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>No s&apos;ha pogut desar la taula a &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a line break, which a session file cannot keep.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;.</extracomment>
        <translation>No s&apos;ha pogut desar la sessió: el camp &quot;%1&quot; conté un salt de línia, que un fitxer de sessió no pot conservar.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a NUL character, which a session file cannot keep.</source>
        <translation>No s&apos;ha pogut desar la sessió: el camp &quot;%1&quot; conté un caràcter NUL, que un fitxer de sessió no pot conservar.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds characters this system&apos;s encoding cannot keep in a session file.</source>
        <translation>No s&apos;ha pogut desar la sessió: el camp &quot;%1&quot; conté caràcters que la codificació d&apos;aquest sistema no pot conservar en un fitxer de sessió.</translation>
    </message>
    <message>
        <source>Could not find default.ses in session folder. Make sure to safe a session as default.ses to eliminate this warning.</source>
        <translation>No s&apos;ha trobat default.ses a la carpeta de sessions. Deseu una sessió com a default.ses perquè no aparegui aquest avís.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason it cannot be loaded.
----------
%1 is the file&apos;s name, %2 the system&apos;s reason it cannot be read.</extracomment>
        <translation>No s&apos;ha pogut carregar &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it holds only %2 of the %3 lines of a session.</source>
        <extracomment>%1 is the file&apos;s name, %2 how many lines it holds, %3 how many a session file has (6).</extracomment>
        <translation>No s&apos;ha pogut carregar &quot;%1&quot;: només conté %2 de les %3 línies d&apos;una sessió.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: line %2 is longer than %3 characters.</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number, %3 the most characters a line holds.</extracomment>
        <translation>No s&apos;ha pogut carregar &quot;%1&quot;: la línia %2 té més de %3 caràcters.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is not a table (line %2 is not text).</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number.</extracomment>
        <translation>No s&apos;ha pogut carregar &quot;%1&quot;: no és una taula (la línia %2 no és text).</translation>
    </message>
</context>
<context>
    <name>SessionPlan</name>
    <message>
        <source>the intro lasts more than %1 seconds, the most a table of rounds holds</source>
        <extracomment>%1 is the most seconds a phase of a table of rounds lasts (86400).</extracomment>
        <translation>la intro dura més de %1 segons, el màxim que admet una taula de rondes</translation>
    </message>
    <message>
        <source>loop %1 lasts more than %2 seconds, the most a hold or a rest of a table of rounds lasts</source>
        <extracomment>%1 is the loop&apos;s number, %2 the most seconds a hold or a rest of a table of rounds lasts (86400).</extracomment>
        <translation>el bucle %1 dura més de %2 segons, el màxim que pot durar una apnea o un descans d&apos;una taula de rondes</translation>
    </message>
    <message>
        <source>a phase must last at least 1 second</source>
        <extracomment>Why a session under way stops: a hold or rest would be shorter than a second.</extracomment>
        <translation>una fase ha de durar com a mínim 1 segon</translation>
    </message>
    <message>
        <source>a computed value is not a finite number</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>un valor calculat no és un nombre finit</translation>
    </message>
    <message>
        <source>not a number: &quot;%1&quot;</source>
        <extracomment>%1 is the text of a settings field.</extracomment>
        <translation>no és un nombre: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a computed number of seconds is out of range</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>un nombre de segons calculat està fora de l&apos;interval</translation>
    </message>
    <message>
        <source>the number of loops must be a whole number from 1 to 32767</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>el nombre de bucles ha de ser un nombre enter d&apos;1 a 32767</translation>
    </message>
    <message>
        <source>the intro must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>la intro ha de durar com a mínim 1 segon</translation>
    </message>
    <message>
        <source>every hold must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>cada apnea ha de durar com a mínim 1 segon</translation>
    </message>
    <message>
        <source>every rest must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>cada descans ha de durar com a mínim 1 segon</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not a number: &quot;%2&quot;</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;, %2 its text.</extracomment>
        <translation>el camp &quot;%1&quot; no és un nombre: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The field to mend: &quot;%1&quot;. The reason: %2.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;; %2 is a reason such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>El camp que cal corregir: &quot;%1&quot;. El motiu: %2.</translation>
    </message>
    <message>
        <source>the table lasts too long</source>
        <translation>la taula dura massa</translation>
    </message>
    <message>
        <source>the table cannot be run</source>
        <translation>la taula no es pot executar</translation>
    </message>
    <message>
        <source>too many loops</source>
        <translation>massa bucles</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>no contractions</source>
        <translation>cap contracció</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions</source>
        <translation>
            <numerusform>%n contracció</numerusform>
            <numerusform>%n contraccions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1</source>
        <extracomment>%1 is the time into the hold of the first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n contracció, la primera a %1</numerusform>
            <numerusform>%n contraccions, la primera a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done</source>
        <translation>cap apnea feta</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done</source>
        <translation>
            <numerusform>%n apnea feta</numerusform>
            <numerusform>%n apnees fetes</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done of %1 begun</source>
        <extracomment>%1 is how many holds were begun.</extracomment>
        <translation>cap apnea feta de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done of %1 begun</source>
        <translation>
            <numerusform>%n apnea feta de %1</numerusform>
            <numerusform>%n apnees fetes de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Session over: %1, %2 held</source>
        <extracomment>%1 tells the holds done (&quot;8 holds done&quot;), %2 the time held in all (&quot;12:30&quot;).</extracomment>
        <translation>Sessió acabada: %1, %2 d&apos;apnea</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1 on average</source>
        <extracomment>%1 is the average time into a hold of its first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n contracció, la primera a %1 de mitjana</numerusform>
            <numerusform>%n contraccions, la primera a %1 de mitjana</numerusform>
        </translation>
    </message>
    <message>
        <source>Hold %1: %2, %3</source>
        <extracomment>%1 is the hold&apos;s number, %2 the time held, %3 its contractions.</extracomment>
        <translation>Apnea %1: %2, %3</translation>
    </message>
    <message>
        <source>Hold %1: %2, %3, cut short</source>
        <translation>Apnea %1: %2, %3, interrompuda</translation>
    </message>
    <message>
        <source>Holds %1 to %2: %3 held, %4</source>
        <extracomment>The holds past those listed one by one: %1 and %2 their first and last number, %3 the time held in all, %4 their contractions.</extracomment>
        <translation>Apnees %1 a %2: %3 d&apos;apnea, %4</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Breath-hold session running</source>
        <extracomment>Shown by the desktop as the reason it does not sleep or lock the screen.</extracomment>
        <translation>Sessió d&apos;apnea en curs</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>it must be a JSON object</source>
        <extracomment>Why a table file cannot be loaded: &quot;it&quot; is a value of the file.</extracomment>
        <translation>ha de ser un objecte JSON</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>falta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number of seconds from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; ha de ser un nombre enter de segons de %2 a %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; ha de ser un nombre enter de %2 a %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text of at most %2 characters, without control characters</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; ha de ser un text de %2 caràcters com a màxim, sense caràcters de control</translation>
    </message>
    <message>
        <source>&quot;end&quot; must be %1 or %2</source>
        <extracomment>&quot;end&quot; is a key of the table file; %1 and %2 are the words it may hold, quoted (&quot;&quot;time&quot;, &quot;cycle&quot;&quot; and &quot;&quot;breath&quot;&quot;), all kept as they are.</extracomment>
        <translation>&quot;end&quot; ha de ser %1 o %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value a table file holds</source>
        <extracomment>%1 is a key found in the file.</extracomment>
        <translation>&quot;%1&quot; no és un valor que contingui un fitxer de taula</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a place in a table file, such as &quot;round 3, hold&quot;, %2 what is wrong there.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is not a Vellorin table file (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <extracomment>&quot;format&quot; is a key of the table file, %1 the word it must hold, kept as they are.</extracomment>
        <translation>no és un fitxer de taula del Vellorin (el seu &quot;format&quot; no és &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin (table format version %1; this one reads version %2)</source>
        <extracomment>%1 and %2 are version numbers of the table file&apos;s format.</extracomment>
        <translation>l&apos;ha escrit una versió més nova del Vellorin (versió %1 del format de taula; aquesta versió llegeix la versió %2)</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be %1</source>
        <extracomment>&quot;version&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;version&quot; ha de ser %1</translation>
    </message>
    <message>
        <source>&quot;rounds&quot; must be a list of 1 to %1 rounds</source>
        <extracomment>&quot;rounds&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;rounds&quot; ha de ser una llista d&apos;1 a %1 rondes</translation>
    </message>
    <message>
        <source>round %1</source>
        <extracomment>A place in a table file, before what is wrong there: &quot;round 3: ...&quot;.</extracomment>
        <translation>ronda %1</translation>
    </message>
    <message>
        <source>round %1, hold</source>
        <extracomment>A place in a table file, the hold of a round: &quot;round 3, hold: ...&quot;.</extracomment>
        <translation>ronda %1, apnea</translation>
    </message>
    <message>
        <source>round %1, rest</source>
        <extracomment>A place in a table file, the rest of a round: &quot;round 3, rest: ...&quot;.</extracomment>
        <translation>ronda %1, descans</translation>
    </message>
    <message>
        <source>it is not a table file (it holds a NUL byte)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>no és un fitxer de taula (conté un byte NUL)</translation>
    </message>
    <message>
        <source>it is not a table file (it is not UTF-8 text)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>no és un fitxer de taula (no és text UTF-8)</translation>
    </message>
    <message>
        <source>it is not a table file (it begins with a byte-order mark)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>no és un fitxer de taula (comença amb una marca d&apos;ordre de bytes)</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 the reason it cannot be loaded.</extracomment>
        <translation>No s&apos;ha pogut carregar &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>round %1: %2</source>
        <extracomment>%1 is a round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>ronda %1: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>ocupa més de %1 bytes</translation>
    </message>
    <message>
        <source>it is not a table file (not JSON: %1 at byte %2)</source>
        <extracomment>%1 is why the JSON cannot be read, such as &quot;unterminated object&quot;, %2 where.</extracomment>
        <translation>no és un fitxer de taula (no és JSON: %1 al byte %2)</translation>
    </message>
</context>
<context>
    <name>TableProblems</name>
    <message>
        <source>the hold of %1 is longer than your personal best of %2</source>
        <extracomment>%1 is the hold&apos;s length and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>l&apos;apnea de %1 és més llarga que el vostre rècord personal de %2</translation>
    </message>
    <message>
        <source>the cap of %1 is longer than your personal best of %2</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last. %1 is the cap and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>el límit de %1 és més llarg que el vostre rècord personal de %2</translation>
    </message>
    <message>
        <source>Round %1: %2.</source>
        <extracomment>%1 is the round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>Ronda %1: %2.</translation>
    </message>
    <message>
        <source>the hold must last from %1 to %2 seconds</source>
        <extracomment>A reason, after &quot;Round 3: &quot; or on its own with a capital first letter.</extracomment>
        <translation>l&apos;apnea ha de durar de %1 a %2 segons</translation>
    </message>
    <message>
        <source>the margin after the first contraction must be from %1 to %2 seconds</source>
        <translation>el marge després de la primera contracció ha de ser de %1 a %2 segons</translation>
    </message>
    <message>
        <source>the number of contractions must be from 1 to %1</source>
        <translation>el nombre de contraccions ha de ser d&apos;1 a %1</translation>
    </message>
    <message>
        <source>the cap must be from %1 to %2 seconds</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last.</extracomment>
        <translation>el límit ha de ser de %1 a %2 segons</translation>
    </message>
    <message>
        <source>the minimum must be from %1 to %2 seconds</source>
        <extracomment>The minimum: the shortest a hold that ends at a contraction may last.</extracomment>
        <translation>el mínim ha de ser de %1 a %2 segons</translation>
    </message>
    <message>
        <source>the cap must be at least the minimum</source>
        <translation>el límit ha de ser com a mínim igual al mínim</translation>
    </message>
    <message>
        <source>the rest must last from %1 to %2 seconds</source>
        <translation>el descans ha de durar de %1 a %2 segons</translation>
    </message>
    <message>
        <source>the cycle must be from %1 to %2 seconds</source>
        <extracomment>The cycle: the time from one hold&apos;s start to the next one&apos;s.</extracomment>
        <translation>el cicle ha de ser de %1 a %2 segons</translation>
    </message>
    <message>
        <source>the shortest rest of the cycle must be from %1 to %2 seconds</source>
        <translation>el descans més curt del cicle ha de ser de %1 a %2 segons</translation>
    </message>
    <message>
        <source>the longest one-breath rest must be from %1 to %2 seconds</source>
        <translation>el descans màxim d&apos;una respiració ha de ser de %1 a %2 segons</translation>
    </message>
    <message>
        <source>the name must be at most %1 characters, without control characters</source>
        <translation>el nom ha de tenir com a màxim %1 caràcters, sense caràcters de control</translation>
    </message>
    <message>
        <source>the intro must last from %1 to %2 seconds</source>
        <translation>la intro ha de durar de %1 a %2 segons</translation>
    </message>
    <message>
        <source>the cue profile&apos;s name must be at most %1 characters, without control characters</source>
        <translation>el nom del perfil de senyals ha de tenir com a màxim %1 caràcters, sense caràcters de control</translation>
    </message>
    <message>
        <source>the table must have at least one round</source>
        <translation>la taula ha de tenir com a mínim una ronda</translation>
    </message>
    <message>
        <source>the repeat must be from 1 to %1</source>
        <extracomment>The repeat: how many times in a row the round is run.</extracomment>
        <translation>la repetició ha de ser d&apos;1 a %1</translation>
    </message>
    <message numerus="yes">
        <source>the table runs %n rounds with its repeats, more than %1</source>
        <extracomment>%n is how many rounds the table runs, %1 the most a table may run.</extracomment>
        <translation>
            <numerusform>la taula té %n ronda amb les repeticions, més de %1</numerusform>
            <numerusform>la taula té %n rondes amb les repeticions, més de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts %n seconds in all, more than %1</source>
        <extracomment>%n is how long the table lasts, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>la taula dura %n segon en total, més de %1</numerusform>
            <numerusform>la taula dura %n segons en total, més de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts up to %n seconds in all, more than %1</source>
        <extracomment>%n is the most the table can last, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>la taula dura fins a %n segon en total, més de %1</numerusform>
            <numerusform>la taula dura fins a %n segons en total, més de %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrainerMainform</name>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Breath hold(max)</source>
        <translation>Apnea (màx.)</translation>
    </message>
    <message>
        <source>Increase hold time by</source>
        <translation>Increment d&apos;apnea</translation>
    </message>
    <message>
        <source>Initial rest time</source>
        <translation>Descans inicial</translation>
    </message>
    <message>
        <source>Decrease rest by</source>
        <translation>Reducció de descans</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Bucles</translation>
    </message>
    <message>
        <source>Session Settings</source>
        <translation>Paràmetres de la sessió</translation>
    </message>
    <message>
        <source>Intro:</source>
        <translation>Intro:</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Breath hold(max):</source>
        <translation>Apnea (màx.):</translation>
    </message>
    <message>
        <source>Increase hold time by:</source>
        <translation>Increment d&apos;apnea:</translation>
    </message>
    <message>
        <source>Initial rest time:</source>
        <translation>Descans inicial:</translation>
    </message>
    <message>
        <source>Decrease rest by:</source>
        <translation>Reducció de descans:</translation>
    </message>
    <message>
        <source> Start</source>
        <translation> Inicia</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Obre</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sessió</translation>
    </message>
    <message>
        <source>Loop 1</source>
        <translation>Bucle 1</translation>
    </message>
    <message>
        <source>Current Sequence</source>
        <translation>Seqüència actual</translation>
    </message>
    <message>
        <source>Holding</source>
        <translation>Apnea</translation>
    </message>
    <message>
        <source>Current loop</source>
        <translation>Bucle actual</translation>
    </message>
    <message>
        <source>Session time left</source>
        <translation>Temps restant de la sessió</translation>
    </message>
    <message>
        <source>Current phase</source>
        <translation>Fase actual</translation>
    </message>
    <message>
        <source>Phase time left</source>
        <translation>Temps restant de la fase</translation>
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
        <translation>Totes les tecles funcionen independentment de l&apos;element que tingui el focus, també a la vista fosca.

Space	inicia una sessió quan no n&apos;hi ha cap en curs; posa en pausa o reprèn la que està en curs
Ctrl+R	reinicia la sessió des del principi
Ctrl+O	carrega una taula
Ctrl+Z	desfés l&apos;última càrrega (primer es desfà el que s&apos;ha escrit en un camp)
Ctrl+S	desa la taula
Ctrl+E	exporta la sessió com a àudio
Ctrl+T	una prova de rècord personal (Space l&apos;acaba)
Ctrl+N	una taula nova a partir del vostre rècord personal
Ctrl+B	edita la taula de rondes (una de nova a partir dels sis paràmetres)
Ctrl+H	l&apos;historial d&apos;entrenament
Enter o C	durant una apnea: marca una contracció; en un descans d&apos;una respiració: s&apos;ha pres la respiració
	(en altres moments d&apos;una sessió: un suau &quot;ara no&quot;)
F11	vista fosca: només les quatre pantalles, a pantalla completa (Esc en surt)
F1	quant al Vellorin i les seves tecles
Ctrl+Q	surt
Enter	fa clic al botó que té el focus, quan no hi ha cap sessió en curs</translation>
    </message>
</context>
<context>
    <name>TrainingLog</name>
    <message>
        <source>Could not keep the session in the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>No s&apos;ha pogut desar la sessió al registre d&apos;entrenament &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>its %1 is not a whole number from %2 to %3</source>
        <extracomment>Why a row of the training log is left out; %1 is a column&apos;s name in the file, such as held_seconds, kept as it is.</extracomment>
        <translation>la seva columna %1 no és un nombre enter de %2 a %3</translation>
    </message>
    <message>
        <source>the row was cut short</source>
        <extracomment>Why a row of the training log is left out.</extracomment>
        <translation>la fila s&apos;ha tallat</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <extracomment>Why a row (&quot;it&quot;) of the training log is left out.</extracomment>
        <translation>ocupa més de %1 bytes</translation>
    </message>
    <message numerus="yes">
        <source>it has %n columns, not %1</source>
        <extracomment>%n is how many columns the row has, %1 how many the log expects: a number, or three as &quot;14, 17 or 21&quot;.</extracomment>
        <translation>
            <numerusform>té %n columna, no %1</numerusform>
            <numerusform>té %n columnes, no %1</numerusform>
        </translation>
    </message>
    <message>
        <source>its session_start is not a date and time</source>
        <extracomment>session_start is a column&apos;s name in the file, kept as it is.</extracomment>
        <translation>la seva columna session_start no és una data i una hora</translation>
    </message>
    <message>
        <source>its completed is neither yes nor no</source>
        <extracomment>completed is a column&apos;s name in the file, yes and no the words it holds, all kept as they are.</extracomment>
        <translation>la seva columna completed no és ni yes ni no</translation>
    </message>
    <message>
        <source>its kind is neither classic nor rounds</source>
        <extracomment>kind is a column&apos;s name in the file, classic and rounds the words it holds, all kept as they are.</extracomment>
        <translation>la seva columna kind no és ni classic ni rounds</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a hold ends</source>
        <extracomment>%1 is a column&apos;s name in the file, hold or hold_rule, kept as it is.</extracomment>
        <translation>la seva columna %1 no és una regla de com acaba una apnea</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a rest ends</source>
        <extracomment>%1 is a column&apos;s name in the file, rest or rest_rule, kept as it is.</extracomment>
        <translation>la seva columna %1 no és una regla de com acaba un descans</translation>
    </message>
    <message>
        <source>the export was stopped</source>
        <extracomment>Why the training log&apos;s copy was not written: the user stopped it.</extracomment>
        <translation>s&apos;ha aturat l&apos;exportació</translation>
    </message>
    <message>
        <source>it is the training log itself</source>
        <extracomment>Why the training log cannot be exported to the file chosen.</extracomment>
        <translation>és el mateix registre d&apos;entrenament</translation>
    </message>
    <message>
        <source>Could not read the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the reason it cannot be read.</extracomment>
        <translation>No s&apos;ha pogut llegir el registre d&apos;entrenament &quot;%1&quot;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n bytes, more than the %1 a training log may hold</source>
        <extracomment>%n is the file&apos;s size and %1 the largest a training log may be, both in bytes.</extracomment>
        <translation>
            <numerusform>conté %n byte, més dels %1 que pot contenir un registre d&apos;entrenament</numerusform>
            <numerusform>conté %n bytes, més dels %1 que pot contenir un registre d&apos;entrenament</numerusform>
        </translation>
    </message>
    <message>
        <source>it grew past %1 bytes</source>
        <extracomment>%1 is the largest a training log may be, in bytes.</extracomment>
        <translation>ha superat els %1 bytes</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Three numbers of columns a row of the training log may have.</extracomment>
        <translation>%1, %2 o %3</translation>
    </message>
    <message>
        <source>its spo2_lowest_second has no spo2_lowest</source>
        <extracomment>spo2_lowest_second and spo2_lowest are columns&apos; names in the file, kept as they are.</extracomment>
        <translation>la seva columna spo2_lowest_second té valor, però la columna spo2_lowest no</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used; %1 is a number of bytes.</extracomment>
        <translation>ocupa més de %1 bytes</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;its&quot;) cannot be written.</extracomment>
        <translation>no es pot escriure a la seva carpeta</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be written.</extracomment>
        <translation>no es pot escriure</translation>
    </message>
    <message>
        <source>it is not in the INI format</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>no té el format INI</translation>
    </message>
    <message>
        <source>The setting could not be kept in &quot;%1&quot;: %2. It holds until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be written.</extracomment>
        <translation>No s&apos;ha pogut desar el paràmetre a &quot;%1&quot;: %2. Es manté fins que es tanqui el Vellorin.</translation>
    </message>
    <message>
        <source>The window&apos;s settings file &quot;%1&quot; cannot be used: %2. The window&apos;s size and the training log switch hold only until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be used. The training log switch turns the keeping of the training log on and off.</extracomment>
        <translation>No es pot utilitzar el fitxer de paràmetres de la finestra &quot;%1&quot;: %2. La mida de la finestra i l&apos;opció del registre d&apos;entrenament només es mantenen fins que es tanqui el Vellorin.</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>up to %1</source>
        <extracomment>In the window&apos;s title: the most the table can last, %1 a time like 40:30.</extracomment>
        <translation>fins a %1</translation>
    </message>
</context>
<context>
    <name>vellorin::AttemptsDialog</name>
    <message>
        <source>Personal bests</source>
        <translation>Rècords personals</translation>
    </message>
    <message>
        <source>Began</source>
        <extracomment>The headings of the list of attempts: when each began, and the time held.</extracomment>
        <translation>Inici</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Durada</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Suprimeix...</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss o segons</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Afegeix</translation>
    </message>
    <message>
        <source>&amp;Began:</source>
        <translation>&amp;Inici:</translation>
    </message>
    <message>
        <source>&amp;Held:</source>
        <extracomment>The field of the time held in an attempt.</extracomment>
        <translation>D&amp;urada:</translation>
    </message>
    <message>
        <source>Your attempts:</source>
        <translation>Els vostres intents:</translation>
    </message>
    <message>
        <source>A personal best from elsewhere:</source>
        <translation>Un rècord personal fet en un altre lloc:</translation>
    </message>
    <message>
        <source>Remove the attempt that began %1, held %2? It cannot be brought back.</source>
        <extracomment>%1 is when the attempt began (2024-05-01 07:30), %2 the time held (03:05).</extracomment>
        <translation>Voleu suprimir l&apos;intent que va començar el %1, amb una durada de %2? No es podrà recuperar.</translation>
    </message>
    <message>
        <source>Could not remove the attempt from &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>No s&apos;ha pogut suprimir l&apos;intent de &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The time held is typed as m:ss (&quot;3:05&quot;) or in seconds (&quot;185&quot;), at least 1 second.</source>
        <translation>El temps d&apos;apnea s&apos;escriu com a m:ss (&quot;3:05&quot;) o en segons (&quot;185&quot;), com a mínim 1 segon.</translation>
    </message>
    <message>
        <source>Could not add the attempt to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>No s&apos;ha pogut afegir l&apos;intent a &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileDialog</name>
    <message>
        <source>Cue profile - Vellorin</source>
        <translation>Perfil de senyals - Vellorin</translation>
    </message>
    <message>
        <source>Start &amp;from:</source>
        <extracomment>The built-in profile whose settings fill the fields.</extracomment>
        <translation>&amp;Parteix de:</translation>
    </message>
    <message>
        <source>words</source>
        <extracomment>A profile&apos;s sound: calls spoken in words.</extracomment>
        <translation>paraules</translation>
    </message>
    <message>
        <source>tones</source>
        <extracomment>A profile&apos;s sound: tones, no words.</extracomment>
        <translation>tons</translation>
    </message>
    <message>
        <source>hold</source>
        <extracomment>What a hold begins with: the word &quot;hold&quot;.</extracomment>
        <translation>aguanta</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>What a hold begins with: &quot;official top&quot;, as at a freediving competition.</extracomment>
        <translation>top</translation>
    </message>
    <message>
        <source>Pace in &amp;words, not soft tones</source>
        <translation>Pauta amb pa&amp;raules, no amb tons suaus</translation>
    </message>
    <message>
        <source>Say the holds and the time held at the &amp;end</source>
        <translation>Digues les apnees i el temps d&apos;apnea al &amp;final</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom:</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;So:</translation>
    </message>
    <message>
        <source>A hold &amp;begins with:</source>
        <translation>Una apnea &amp;comença amb:</translation>
    </message>
    <message>
        <source>Calls before a &amp;hold:</source>
        <extracomment>The times called out in each rest, before the hold.</extracomment>
        <translation>Avisos abans d&apos;una &amp;apnea:</translation>
    </message>
    <message>
        <source>Calls in every h&amp;old:</source>
        <translation>Avisos en cada apn&amp;ea:</translation>
    </message>
    <message>
        <source>Calls in the &amp;last hold:</source>
        <translation>Avisos en l&apos;ú&amp;ltima apnea:</translation>
    </message>
    <message>
        <source>Time held called e&amp;very:</source>
        <translation>Temps d&apos;apnea avisat ca&amp;da:</translation>
    </message>
    <message>
        <source>&quot;Last b&amp;reath&quot;, seconds before a hold:</source>
        <translation>&quot;Última &amp;inspiració&quot;, segons abans d&apos;una apnea:</translation>
    </message>
    <message>
        <source>Re&amp;covery breaths after a hold:</source>
        <translation>Respiracions de rec&amp;uperació després d&apos;una apnea:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds &amp;in:</source>
        <translation>Respiració pautada, se&amp;gons d&apos;inspiració:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds o&amp;ut:</source>
        <translation>Respiració pautada, segons d&apos;e&amp;xpiració:</translation>
    </message>
    <message>
        <source>Pace the last part of a rest (m:ss or all):</source>
        <extracomment>&quot;all&quot; is typed as it is, in English: the profile file&apos;s word for the whole rest.</extracomment>
        <translation>Pauta l&apos;última part d&apos;un descans (m:ss o all):</translation>
    </message>
    <message>
        <source>Calls are written m:ss to be spoken (0:30 &quot;thirty seconds&quot;) and as a bare number to be counted (5 &quot;five&quot;).</source>
        <extracomment>How the calls are typed: a time m:ss is spoken as a time, a bare number is counted.</extracomment>
        <translation>Els avisos s&apos;escriuen com a m:ss per dir-los (0:30 &quot;trenta segons&quot;) i com a nombre sol per comptar-los (5 &quot;cinc&quot;).</translation>
    </message>
    <message>
        <source>My %1</source>
        <extracomment>The name proposed for a profile of the user&apos;s own made from a built-in one; %1 is the built-in profile&apos;s key, as &quot;guided&quot;.</extracomment>
        <translation>El meu %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>So</translation>
    </message>
    <message>
        <source>A hold begins with</source>
        <translation>Una apnea comença amb</translation>
    </message>
    <message>
        <source>Calls before a hold</source>
        <translation>Avisos abans d&apos;una apnea</translation>
    </message>
    <message>
        <source>Calls in every hold</source>
        <translation>Avisos en cada apnea</translation>
    </message>
    <message>
        <source>Calls in the last hold</source>
        <translation>Avisos en l&apos;última apnea</translation>
    </message>
    <message>
        <source>Time held called every</source>
        <translation>Temps d&apos;apnea avisat cada</translation>
    </message>
    <message>
        <source>Last breath</source>
        <translation>Última inspiració</translation>
    </message>
    <message>
        <source>Recovery breaths</source>
        <translation>Respiracions de recuperació</translation>
    </message>
    <message>
        <source>Paced breathing</source>
        <translation>Respiració pautada</translation>
    </message>
    <message>
        <source>Pace the last part of a rest</source>
        <translation>Pauta l&apos;última part d&apos;un descans</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the profile and why its value cannot be used: &quot;Sound: it must be words or tones&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a built-in profile: choose another name.</source>
        <translation>&quot;%1&quot; és el nom d&apos;un perfil integrat: trieu un altre nom.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is kept in the file of your profile &quot;%2&quot;: choose another name.</source>
        <extracomment>%1 is the name typed, %2 the name of another profile whose file name would be the same.</extracomment>
        <translation>&quot;%1&quot; es desa al fitxer del vostre perfil &quot;%2&quot;: trieu un altre nom.</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no es pot crear la carpeta</translation>
    </message>
    <message>
        <source>Could not save the cue profile to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>No s&apos;ha pogut desar el perfil de senyals a &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileMenu</name>
    <message>
        <source>Cue &amp;profile</source>
        <translation>&amp;Perfil de senyals</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>A built-in cue profile: the cues of the classic timer.</extracomment>
        <translation>Clàssic</translation>
    </message>
    <message>
        <source>Guided</source>
        <extracomment>A built-in cue profile: calls that guide the breathing and the holds.</extracomment>
        <translation>Guiat</translation>
    </message>
    <message>
        <source>Competition countdown</source>
        <extracomment>A built-in cue profile: the countdown of a freediving competition.</extracomment>
        <translation>Compte enrere de competició</translation>
    </message>
    <message>
        <source>Tones only</source>
        <extracomment>A built-in cue profile: tones, no words.</extracomment>
        <translation>Només tons</translation>
    </message>
    <message>
        <source>Your default</source>
        <extracomment>In a table&apos;s list of cue profiles: the profile chosen in Training &gt; Cue profile.</extracomment>
        <translation>El vostre perfil per defecte</translation>
    </message>
    <message>
        <source>%1 (not found: your default plays)</source>
        <extracomment>A cue profile a table names that this user does not have; %1 is its name.</extracomment>
        <translation>%1 (no s&apos;ha trobat: es reprodueix el vostre perfil per defecte)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>A profile file of the user&apos;s that cannot be read; %1 is its file name.</extracomment>
        <translation>%1: no es pot llegir</translation>
    </message>
    <message>
        <source>&amp;Edit profile...</source>
        <translation>&amp;Edita el perfil...</translation>
    </message>
</context>
<context>
    <name>vellorin::HistoryWindow</name>
    <message>
        <source>%1, %2, %3 held</source>
        <extracomment>The sessions shown and their holds: %1 is &quot;3 sessions&quot;, %2 &quot;6 holds&quot;, %3 the time held in them, as 09:00 or 12:05:00.</extracomment>
        <translation>%1, %2, %3 d&apos;apnea</translation>
    </message>
    <message numerus="yes">
        <source>%n sessions</source>
        <translation>
            <numerusform>%n sessió</numerusform>
            <numerusform>%n sessions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holds</source>
        <translation>
            <numerusform>%n apnea</numerusform>
            <numerusform>%n apnees</numerusform>
        </translation>
    </message>
    <message>
        <source>History - Vellorin</source>
        <translation>Historial - Vellorin</translation>
    </message>
    <message>
        <source>Reading the training log…</source>
        <translation>S&apos;està llegint el registre d&apos;entrenament…</translation>
    </message>
    <message>
        <source>Export the &amp;log...</source>
        <translation>Exporta el &amp;registre...</translation>
    </message>
    <message>
        <source>Export the &amp;sessions...</source>
        <translation>Exporta les &amp;sessions...</translation>
    </message>
    <message>
        <source>Tables shown</source>
        <translation>Taules que es mostren</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>&amp;Taules:</translation>
    </message>
    <message>
        <source>No sessions: the training log is switched off (Training &gt; Keep a training log).</source>
        <translation>No hi ha sessions: el registre d&apos;entrenament està desactivat (Entrenament &gt; Porta un registre d&apos;entrenament).</translation>
    </message>
    <message>
        <source>The training log is switched off (Training &gt; Keep a training log): the sessions you train now are not kept.</source>
        <translation>El registre d&apos;entrenament està desactivat (Entrenament &gt; Porta un registre d&apos;entrenament): les sessions que feu ara no es desen.</translation>
    </message>
    <message>
        <source>No sessions yet: every session you train is kept in the training log &quot;%1&quot;.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>Encara no hi ha sessions: cada sessió que feu es desa al registre d&apos;entrenament &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The training log &quot;%1&quot; holds no sessions yet.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>El registre d&apos;entrenament &quot;%1&quot; encara no conté cap sessió.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of tables of rounds yet.</source>
        <translation>El registre d&apos;entrenament encara no conté cap sessió de taules de rondes.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of classic tables yet.</source>
        <translation>El registre d&apos;entrenament encara no conté cap sessió de taules clàssiques.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of %1 yet.</source>
        <extracomment>%1 is the name of a table file.</extracomment>
        <translation>El registre d&apos;entrenament encara no conté cap sessió de %1.</translation>
    </message>
    <message>
        <source>Export the sessions</source>
        <translation>Exporta les sessions</translation>
    </message>
    <message>
        <source>Export the log</source>
        <translation>Exporta el registre</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fitxers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>No s&apos;ha pogut exportar a &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Hold &amp;curve...</source>
        <translation>&amp;Corba de l&apos;apnea...</translation>
    </message>
    <message>
        <source>The heart rate and SpO2 second by second in the session&apos;s holds</source>
        <translation>La freqüència cardíaca i la SpO2 segon a segon en les apnees de la sessió</translation>
    </message>
</context>
<context>
    <name>vellorin::HoldCurveWindow</name>
    <message>
        <source>Hold curve - Vellorin</source>
        <translation>Corba de l&apos;apnea - Vellorin</translation>
    </message>
    <message>
        <source>Reading the sensor samples…</source>
        <translation>S&apos;estan llegint les lectures dels sensors…</translation>
    </message>
    <message>
        <source>&amp;Hold:</source>
        <translation>&amp;Apnea:</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>An entry of the list of a session&apos;s holds; %1 is the hold&apos;s number.</extracomment>
        <translation>Apnea %1</translation>
    </message>
    <message>
        <source>The sensor samples &quot;%1&quot; hold no second of a hold.</source>
        <extracomment>%1 is a sensor samples file&apos;s name.</extracomment>
        <translation>Les lectures dels sensors &quot;%1&quot; no contenen cap segon d&apos;apnea.</translation>
    </message>
</context>
<context>
    <name>vellorin::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Llengua</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>La llengua del sistema (%1)</translation>
    </message>
    <message>
        <source>Vellorin speaks %1 from its next start: its window, messages and spoken cues.</source>
        <extracomment>%1 is the language chosen, named in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>El Vellorin parlarà %1 a partir del proper inici: la finestra, els missatges i els senyals parlats.</translation>
    </message>
</context>
<context>
    <name>vellorin::LightsOutView</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large in lights-out while the session is paused.</extracomment>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Contraction %1</source>
        <extracomment>Shown a moment after a contraction was marked; %1 is its number in the hold.</extracomment>
        <translation>Contracció %1</translation>
    </message>
    <message>
        <source>Contractions: %1</source>
        <translation>Contraccions: %1</translation>
    </message>
</context>
<context>
    <name>vellorin::PbTableDialog</name>
    <message>
        <source>New table from personal best</source>
        <translation>Taula nova a partir del rècord personal</translation>
    </message>
    <message>
        <source>&amp;CO2 table: holds of 50 % of your PB, rests from 2:00 down by 15 s</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>Taula de &amp;CO2: apnees del 50 % del vostre RP, descansos des de 2:00 que baixen de 15 en 15 s</translation>
    </message>
    <message>
        <source>&amp;O2 table: rests of 2:00, holds up by 15 s to 80 % of your PB</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>Taula d&apos;&amp;O2: descansos de 2:00, apnees que pugen de 15 en 15 s fins al 80 % del vostre RP</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss o segons</translation>
    </message>
    <message>
        <source>&amp;Fill the fields</source>
        <translation>&amp;Omple els camps</translation>
    </message>
    <message>
        <source>&amp;Personal best:</source>
        <translation>Rècord &amp;personal:</translation>
    </message>
    <message>
        <source>Type your personal best as m:ss or in seconds.</source>
        <translation>Escriviu el vostre rècord personal com a m:ss o en segons.</translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsEditor</name>
    <message>
        <source>Table of rounds</source>
        <translation>Taula de rondes</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss o segons</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Afegeix</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplica</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Suprimeix</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Mou amunt</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Mou avall</translation>
    </message>
    <message>
        <source>&amp;Fill from the six settings</source>
        <extracomment>The six settings: the six fields of the main window that make a classic table.</extracomment>
        <translation>&amp;Omple a partir dels sis paràmetres</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>D&amp;esa</translation>
    </message>
    <message>
        <source>Sa&amp;ve as...</source>
        <translation>Ano&amp;mena i desa...</translation>
    </message>
    <message>
        <source>&amp;Use this table</source>
        <translation>&amp;Utilitza aquesta taula</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom:</translation>
    </message>
    <message>
        <source>&amp;Intro:</source>
        <extracomment>The countdown before the first hold of the table.</extracomment>
        <translation>&amp;Intro:</translation>
    </message>
    <message>
        <source>&amp;What you hear:</source>
        <extracomment>The cue profile the table plays.</extracomment>
        <translation>&amp;Què sentireu:</translation>
    </message>
    <message>
        <source>R&amp;ounds:</source>
        <translation>&amp;Rondes:</translation>
    </message>
    <message>
        <source>Could not fill the table from the six settings: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>No s&apos;ha pogut omplir la taula a partir dels sis paràmetres: %1.</translation>
    </message>
    <message>
        <source>Replace the rounds with the six settings&apos; table? The changes you have not saved are lost.</source>
        <translation>Voleu substituir les rondes per la taula dels sis paràmetres? Es perdran els canvis que no hàgiu desat.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file name, %2 the name of one of the program&apos;s own files, as &quot;the training log&quot;.</extracomment>
        <translation>No s&apos;ha pogut desar la taula a &quot;%1&quot;: és un fitxer propi del Vellorin (%2), que una taula no ha de substituir.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>No s&apos;ha pogut desar la taula a &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Close the table without saving your changes to it?</source>
        <translation>Voleu tancar la taula sense desar-ne els canvis?</translation>
    </message>
    <message>
        <source>Save the table of rounds</source>
        <translation>Desa la taula de rondes</translation>
    </message>
    <message>
        <source>Vellorin tables (*.vtable)</source>
        <translation>Taules del Vellorin (*.vtable)</translation>
    </message>
    <message>
        <source>Hold &amp;length:</source>
        <translation>Durada de &amp;l&apos;apnea:</translation>
    </message>
    <message>
        <source>Mar&amp;gin:</source>
        <extracomment>The time a hold goes on after the first contraction.</extracomment>
        <translation>Mar&amp;ge:</translation>
    </message>
    <message>
        <source>Con&amp;tractions:</source>
        <extracomment>The count of contractions that ends a hold.</extracomment>
        <translation>&amp;Contraccions:</translation>
    </message>
    <message>
        <source>&amp;Cap:</source>
        <extracomment>The longest a hold may go on.</extracomment>
        <translation>&amp;Límit:</translation>
    </message>
    <message>
        <source>&amp;Minimum:</source>
        <extracomment>The shortest a hold may be.</extracomment>
        <translation>&amp;Mínim:</translation>
    </message>
    <message>
        <source>Rest lengt&amp;h:</source>
        <translation>Durada del descan&amp;s:</translation>
    </message>
    <message>
        <source>C&amp;ycle:</source>
        <extracomment>The time from the start of a hold to the start of the next, the rest taking what the hold leaves.</extracomment>
        <translation>Cicl&amp;e:</translation>
    </message>
    <message>
        <source>&amp;Floor (shortest rest):</source>
        <translation>&amp;Base (descans més curt):</translation>
    </message>
    <message>
        <source>Longest &amp;breath:</source>
        <extracomment>The longest a one-breath rest may last.</extracomment>
        <translation>Respiració més &amp;llarga:</translation>
    </message>
    <message>
        <source>Re&amp;peat:</source>
        <extracomment>How many times the round is run.</extracomment>
        <translation>Re&amp;peticions:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>hold</comment>
        <extracomment>A kind of hold: one of a set length.</extracomment>
        <translation>Durada fixa</translation>
    </message>
    <message>
        <source>First contraction + margin</source>
        <extracomment>A kind of hold: it ends a margin after the first contraction.</extracomment>
        <translation>Primera contracció + marge</translation>
    </message>
    <message>
        <source>N-th contraction</source>
        <extracomment>A kind of hold: it ends at a given count of contractions.</extracomment>
        <translation>Enèsima contracció</translation>
    </message>
    <message>
        <source>&amp;Kind of hold:</source>
        <translation>&amp;Tipus d&apos;apnea:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>rest</comment>
        <extracomment>A kind of rest: one of a set length.</extracomment>
        <translation>Durada fixa</translation>
    </message>
    <message>
        <source>Cycle</source>
        <extracomment>A kind of rest: it lasts what the hold leaves of a set cycle.</extracomment>
        <translation>Cicle</translation>
    </message>
    <message>
        <source>One breath</source>
        <extracomment>A kind of rest: a single breath.</extracomment>
        <translation>Una respiració</translation>
    </message>
    <message>
        <source>Kind of r&amp;est:</source>
        <translation>Ti&amp;pus de descans:</translation>
    </message>
    <message>
        <source>%1. To mend: %2</source>
        <extracomment>A row of the table that cannot be run: its number, and what is wrong with it.</extracomment>
        <translation>%1. Cal corregir: %2</translation>
    </message>
    <message>
        <source>%1. hold %2, rest %3</source>
        <extracomment>A row of the table: its number, its hold and its rest, as &quot;3. hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. apnea %2, descans %3</translation>
    </message>
    <message>
        <source>%1. %2 × hold %3, rest %4</source>
        <extracomment>A row of the table run more than once: its number, how many times it runs, its hold and its rest, as &quot;3. 4 × hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. %2 × apnea %3, descans %4</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>How long the whole table takes, as &quot;24:30&quot; or &quot;up to 24:30&quot;.</extracomment>
        <translation>Total: %1</translation>
    </message>
    <message numerus="yes">
        <source>And %n more to mend.</source>
        <extracomment>After the first problems of the table: how many more there are.</extracomment>
        <translation>
            <numerusform>I %n problema més per corregir.</numerusform>
            <numerusform>I %n problemes més per corregir.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>And %n more holds longer than your personal best.</source>
        <extracomment>After the first holds longer than the personal best: how many more there are.</extracomment>
        <translation>
            <numerusform>I %n apnea més que és més llarga que el vostre rècord personal.</numerusform>
            <numerusform>I %n apnees més que són més llargues que el vostre rècord personal.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsPanel</name>
    <message>
        <source>The table&apos;s rounds</source>
        <translation>Les rondes de la taula</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What comes next in the session, under the lights-out displays; %1 is &quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;.</extracomment>
        <translation>Següent: %1</translation>
    </message>
    <message>
        <source>%1. Hold %2, rest %3</source>
        <extracomment>A round in the list of the table&apos;s rounds: its number, its hold and its rest, as &quot;3. Hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. Apnea %2, descans %3</translation>
    </message>
    <message>
        <source>%1. Hold %2</source>
        <extracomment>The last round, which has no rest: its number and its hold, as &quot;8. Hold 1:30&quot;.</extracomment>
        <translation>%1. Apnea %2</translation>
    </message>
    <message>
        <source>The table cannot be run: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>La taula no es pot executar: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The table&apos;s rounds and how long it takes, as &quot;8 rounds, 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n ronda, %1</numerusform>
            <numerusform>%n rondes, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The table&apos;s rounds and the longest it may take, as &quot;8 rounds, up to 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n ronda, fins a %1</numerusform>
            <numerusform>%n rondes, fins a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Round %1 of %2. Next: %3.</source>
        <extracomment>Where the session is: %1 the round under way, %2 the rounds in all, %3 what comes next (&quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;).</extracomment>
        <translation>Ronda %1 de %2. Següent: %3.</translation>
    </message>
    <message>
        <source>hold %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold this long (a time like 1:30).</extracomment>
        <translation>apnea de %1</translation>
    </message>
    <message>
        <source>hold up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold that may end sooner, at most this long (a time like 1:30).</extracomment>
        <translation>apnea de fins a %1</translation>
    </message>
    <message>
        <source>rest %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest this long (a time like 2:00).</extracomment>
        <translation>descans de %1</translation>
    </message>
    <message>
        <source>rest up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest that may end sooner, at most this long (a time like 2:00).</extracomment>
        <translation>descans de fins a %1</translation>
    </message>
    <message>
        <source>the end</source>
        <extracomment>What comes next, after &quot;Next:&quot;: the end of the session.</extracomment>
        <translation>el final</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorLink</name>
    <message>
        <source>This computer has no Bluetooth adapter, or its system service for Bluetooth (BlueZ) is not running.</source>
        <translation>Aquest ordinador no té cap adaptador Bluetooth, o el seu servei de sistema per al Bluetooth (BlueZ) no s&apos;està executant.</translation>
    </message>
    <message>
        <source>Bluetooth is turned off. Turn it on and scan again.</source>
        <translation>El Bluetooth està desactivat. Activeu-lo i torneu a cercar.</translation>
    </message>
    <message>
        <source>The system does not allow Vellorin to use Bluetooth.</source>
        <translation>El sistema no permet que el Vellorin utilitzi el Bluetooth.</translation>
    </message>
    <message>
        <source>The scan for sensors failed: %1</source>
        <translation>La cerca de sensors ha fallat: %1</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorPanel</name>
    <message>
        <source> (%1 s)</source>
        <extracomment>The age of the last value a sensor sent, in whole seconds.</extracomment>
        <translation> (%1 s)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>cap</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>connectant</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>connectat</translation>
    </message>
    <message>
        <source>no skin contact</source>
        <translation>sense contacte amb la pell</translation>
    </message>
    <message>
        <source>finger out</source>
        <translation>sense dit</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>sense valor</translation>
    </message>
    <message>
        <source>lost, trying again</source>
        <translation>connexió perduda, es torna a provar</translation>
    </message>
    <message>
        <source>HR %1%2</source>
        <extracomment>The heart rate beside the displays; %1 is beats per minute, %2 the value&apos;s age.</extracomment>
        <translation>FC %1%2</translation>
    </message>
    <message>
        <source>HR -- %1</source>
        <translation>FC -- %1</translation>
    </message>
    <message>
        <source>SpO2 %1 %  PR %2%3</source>
        <extracomment>SpO2 and the oximeter&apos;s pulse rate beside the displays; %3 is the values&apos; age.</extracomment>
        <translation>SpO2 %1 %  pols %2%3</translation>
    </message>
    <message>
        <source>SpO2 -- %1</source>
        <translation>SpO2 -- %1</translation>
    </message>
    <message>
        <source>Sensor values</source>
        <translation>Valors dels sensors</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorTraining</name>
    <message>
        <source>This Vellorin was built without Bluetooth, so it cannot use heart-rate sensors or oximeters. Everything else works as ever.</source>
        <translation>Aquest Vellorin s&apos;ha compilat sense Bluetooth, així que no pot fer servir sensors de freqüència cardíaca ni pulsioxímetres. Tota la resta funciona com sempre.</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorsDialog</name>
    <message>
        <source>Not in use</source>
        <extracomment>The state of a kind of sensor when none is chosen.</extracomment>
        <translation>No s&apos;utilitza</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>S&apos;està connectant…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connectat</translation>
    </message>
    <message>
        <source>No skin contact</source>
        <extracomment>A chest strap that says it does not touch the skin.</extracomment>
        <translation>Sense contacte amb la pell</translation>
    </message>
    <message>
        <source>Finger out</source>
        <extracomment>An oximeter that says no finger is in it.</extracomment>
        <translation>No hi ha cap dit</translation>
    </message>
    <message>
        <source>No values for a while</source>
        <extracomment>Linked, but the sensor has sent no value for some seconds.</extracomment>
        <translation>Fa uns segons que no hi ha valors</translation>
    </message>
    <message>
        <source>Lost — trying again</source>
        <extracomment>The link to the sensor broke; the program tries to link again by itself.</extracomment>
        <translation>Connexió perduda — es torna a provar</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Sensors found</source>
        <translation>Sensors trobats</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The headings of the list of sensors a search found; signal: its strength in dBm.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipus</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adreça</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Senyal</translation>
    </message>
    <message>
        <source>Sensors fou&amp;nd:</source>
        <translation>Sensors tro&amp;bats:</translation>
    </message>
    <message>
        <source>Use as &amp;heart-rate sensor</source>
        <translation>Utilitza com a sensor de &amp;freqüència cardíaca</translation>
    </message>
    <message>
        <source>Use as heart-rate sensor</source>
        <translation>Utilitza com a sensor de freqüència cardíaca</translation>
    </message>
    <message>
        <source>Use as &amp;oximeter</source>
        <translation>Utilitza com a &amp;pulsioxímetre</translation>
    </message>
    <message>
        <source>Use as oximeter</source>
        <translation>Utilitza com a pulsioxímetre</translation>
    </message>
    <message>
        <source>&amp;End the hold when SpO2 falls to</source>
        <translation>&amp;Acaba l&apos;apnea quan la SpO2 baixi a</translation>
    </message>
    <message>
        <source>End the hold when SpO2 falls to</source>
        <translation>Acaba l&apos;apnea quan la SpO2 baixi a</translation>
    </message>
    <message>
        <source>SpO2 that ends the hold</source>
        <translation>SpO2 que acaba l&apos;apnea</translation>
    </message>
    <message>
        <source> %</source>
        <extracomment>After the SpO2 limit: 80 %.</extracomment>
        <translation> %</translation>
    </message>
    <message>
        <source>A consumer pulse oximeter reads late and low in a breath hold: its reading lags the blood by many seconds, and a cold or squeezed finger reads low. The alarm is a help, not a medical device: never rely on it to keep you safe.</source>
        <extracomment>Said beside the low-SpO2 alarm; the sentence on where to train follows it.</extracomment>
        <translation>Un pulsioxímetre de consum dona lectures tardanes i massa baixes durant una apnea: la seva lectura va molts segons endarrerida respecte a la sang, i un dit fred o pressionat dona lectures massa baixes. L&apos;alarma és una ajuda, no un dispositiu mèdic: no hi confieu mai la vostra seguretat.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tanca</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>Freqüència cardíaca</translation>
    </message>
    <message>
        <source>Oximeter</source>
        <translation>Pulsioxímetre</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <extracomment>Each kind&apos;s button has its own access key.</extracomment>
        <translation>&amp;Oblida</translation>
    </message>
    <message>
        <source>Fo&amp;rget</source>
        <translation>Ob&amp;lida</translation>
    </message>
    <message>
        <source>Forget the heart-rate sensor</source>
        <translation>Oblida el sensor de freqüència cardíaca</translation>
    </message>
    <message>
        <source>Forget the oximeter</source>
        <translation>Oblida el pulsioxímetre</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sensor of the kind is chosen.</extracomment>
        <translation>Cap</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A sensor&apos;s name and its Bluetooth address: &quot;Polar H10 (AA:BB:CC:DD:EE:FF)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Battery %1 %</source>
        <extracomment>The charge left in the sensor&apos;s battery, in percent.</extracomment>
        <translation>Bateria %1 %</translation>
    </message>
    <message>
        <source>heart rate</source>
        <translation>freqüència cardíaca</translation>
    </message>
    <message>
        <source>oximeter</source>
        <translation>pulsioxímetre</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the kinds a sensor is, as &quot;heart rate, oximeter&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Atu&amp;ra</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Atura</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>S&apos;està cercant…</translation>
    </message>
    <message numerus="yes">
        <source>Found %n sensor(s).</source>
        <translation>
            <numerusform>S&apos;ha trobat %n sensor.</numerusform>
            <numerusform>S&apos;han trobat %n sensors.</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <extracomment>A sensor that gives no name.</extracomment>
        <translation>(sense nom)</translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <extracomment>A sensor&apos;s signal strength in dBm; a value nearer 0 is stronger.</extracomment>
        <translation>%1 dBm</translation>
    </message>
</context>
<context>
    <name>vellorin::SessionStateView</name>
    <message>
        <source>Any key: back to the displays</source>
        <translation>Qualsevol tecla: torna a les pantalles</translation>
    </message>
    <message>
        <source>Vellorin: session summary</source>
        <translation>Vellorin: resum de la sessió</translation>
    </message>
</context>
<context>
    <name>vellorin::SessionsModel</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>A session&apos;s mean first contraction (%1) and the range of them (%2 to %3), each a time like 01:05.</extracomment>
        <translation>%1 (%2 a %3)</translation>
    </message>
</context>
<context>
    <name>vellorin::SingleInstance</name>
    <message>
        <source>the lock file &quot;%1&quot; cannot be used: %2; it is left as it is</source>
        <extracomment>A warning: %1 is a file name, %2 the reason, a clause.</extracomment>
        <translation>no es pot utilitzar el fitxer de bloqueig &quot;%1&quot;: %2; es deixa tal com està</translation>
    </message>
    <message>
        <source>waiting for the Vellorin window that runs to answer</source>
        <translation>s&apos;està esperant que respongui la finestra del Vellorin que ja està oberta</translation>
    </message>
    <message>
        <source>the socket &quot;%1&quot; cannot be used: %2; this window does not hear later starts, which open windows of their own</source>
        <extracomment>A warning: %1 is the socket&apos;s file name, %2 the reason, a clause. A later start of the program would hand its file to this window through the socket.</extracomment>
        <translation>no es pot utilitzar el sòcol &quot;%1&quot;: %2; aquesta finestra no rebrà els inicis posteriors, que obriran finestres pròpies</translation>
    </message>
    <message numerus="yes">
        <source>its path is longer than the %n bytes a socket&apos;s path may have</source>
        <translation>
            <numerusform>el seu camí supera el %n byte que pot tenir el camí d&apos;un sòcol</numerusform>
            <numerusform>el seu camí supera els %n bytes que pot tenir el camí d&apos;un sòcol</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>no és un sòcol</translation>
    </message>
    <message>
        <source>the window listening on it does not take requests</source>
        <translation>la finestra que hi escolta no accepta peticions</translation>
    </message>
</context>
<context>
    <name>vellorin::TrainerMainform</name>
    <message>
        <source>A personal-best test is running. Close Vellorin and end it?</source>
        <translation>S&apos;està fent una prova de rècord personal. Voleu tancar el Vellorin i acabar-la?</translation>
    </message>
    <message>
        <source>A session is running. Close Vellorin and end it?</source>
        <translation>Hi ha una sessió en curs. Voleu tancar el Vellorin i acabar-la?</translation>
    </message>
    <message>
        <source>%1 The classic cues play.</source>
        <extracomment>%1 is why the user&apos;s default cue profile cannot be used, in whole sentences.</extracomment>
        <translation>%1 Es reprodueixen els senyals clàssics.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Carrega...</translation>
    </message>
    <message>
        <source>&amp;Undo load</source>
        <translation>&amp;Desfés la càrrega</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>D&amp;esa...</translation>
    </message>
    <message>
        <source>&amp;Export audio...</source>
        <translation>E&amp;xporta l&apos;àudio...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Sessió</translation>
    </message>
    <message>
        <source>&amp;Start	Space</source>
        <translation>&amp;Inicia	Space</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume	Space</source>
        <translation>&amp;Pausa/Reprèn	Space</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reinicia</translation>
    </message>
    <message>
        <source>&amp;Lights-out</source>
        <translation>&amp;Vista fosca</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>En&amp;trenament</translation>
    </message>
    <message>
        <source>&amp;Personal best test...</source>
        <translation>Pr&amp;ova de rècord personal...</translation>
    </message>
    <message>
        <source>&amp;New table from personal best...</source>
        <translation>Taula &amp;nova a partir del rècord personal...</translation>
    </message>
    <message>
        <source>Personal &amp;bests...</source>
        <translation>&amp;Rècords personals...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>&amp;Keep a training log</source>
        <translation>Porta un re&amp;gistre d&apos;entrenament</translation>
    </message>
    <message>
        <source>Ta&amp;bles</source>
        <translation>Tau&amp;les</translation>
    </message>
    <message>
        <source>&amp;Edit table of rounds...</source>
        <translation>&amp;Edita la taula de rondes...</translation>
    </message>
    <message>
        <source>Use the &amp;six settings</source>
        <translation>Utilitza els &amp;sis paràmetres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tecles</translation>
    </message>
    <message>
        <source>&amp;About Vellorin</source>
        <translation>&amp;Quant al Vellorin</translation>
    </message>
    <message>
        <source>Start: Space. Reset: Ctrl+R.</source>
        <translation>Inicia: Space. Reinicia: Ctrl+R.</translation>
    </message>
    <message>
        <source>Pause or resume: Space.</source>
        <translation>Pausa o reprèn: Space.</translation>
    </message>
    <message>
        <source>Load a table: Ctrl+O.</source>
        <translation>Carrega una taula: Ctrl+O.</translation>
    </message>
    <message>
        <source>Save the table: Ctrl+S.</source>
        <translation>Desa la taula: Ctrl+S.</translation>
    </message>
    <message>
        <source>Lights-out: double-click or F11.</source>
        <translation>Vista fosca: doble clic o F11.</translation>
    </message>
    <message>
        <source>Vellorin keys</source>
        <translation>Tecles del Vellorin</translation>
    </message>
    <message>
        <source>About Vellorin</source>
        <extracomment>%1 is the version, %2 the safety sentence, %3 the list of keys.</extracomment>
        <translation>Quant al Vellorin</translation>
    </message>
    <message>
        <source>Vellorin %1
A timer for breath-hold training tables.

%2

Released under the MIT licence.

%3</source>
        <translation>Vellorin %1
Un temporitzador per a taules d&apos;entrenament d&apos;apnea.

%2

Publicat amb la llicència MIT.

%3</translation>
    </message>
    <message>
        <source>Export audio</source>
        <translation>Exporta l&apos;àudio</translation>
    </message>
    <message>
        <source>Audio files (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</source>
        <translation>Fitxers d&apos;àudio (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</translation>
    </message>
    <message>
        <source>session</source>
        <comment>the name an export proposes</comment>
        <translation>sessió</translation>
    </message>
    <message>
        <source>New &amp;CO2 table from your PB</source>
        <translation>Taula nova de &amp;CO2 a partir del vostre RP</translation>
    </message>
    <message>
        <source>New &amp;O2 table from your PB</source>
        <translation>Taula nova d&apos;&amp;O2 a partir del vostre RP</translation>
    </message>
    <message>
        <source>New &amp;pyramid from your PB</source>
        <translation>&amp;Piràmide nova a partir del vostre RP</translation>
    </message>
    <message>
        <source>New &amp;Wonka table (first contraction + 0:30)</source>
        <extracomment>A Wonka table: each hold goes on a set time past the first contraction.</extracomment>
        <translation>Taula &amp;Wonka nova (primera contracció + 0:30)</translation>
    </message>
    <message>
        <source>New Wonka table by &amp;count (10 contractions)</source>
        <extracomment>A Wonka table by count: each hold ends at a count of contractions.</extracomment>
        <translation>Taula Wonka nova per &amp;recompte (10 contraccions)</translation>
    </message>
    <message>
        <source>New &amp;one-breath table (8 x 1:00)</source>
        <extracomment>A table whose rests are one breath each: 8 holds of one minute.</extracomment>
        <translation>Taula nova d&apos;&amp;una respiració (8 x 1:00)</translation>
    </message>
    <message>
        <source>New static &amp;intervals (10 on a 2:00 cycle)</source>
        <extracomment>Ten holds, one starting every two minutes.</extracomment>
        <translation>&amp;Intervals estàtics nous (10 en un cicle de 2:00)</translation>
    </message>
    <message>
        <source>No personal best is on record. Your personal best (m:ss or seconds):</source>
        <translation>No hi ha cap rècord personal registrat. El vostre rècord personal (m:ss o segons):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as m:ss or in seconds.</source>
        <translation>&quot;%1&quot; no és un temps: escriviu-lo com a m:ss o en segons.</translation>
    </message>
    <message>
        <source>Could not make the table: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>No s&apos;ha pogut crear la taula: %1.</translation>
    </message>
    <message>
        <source>%1

Use this table all the same?</source>
        <translation>%1

Voleu utilitzar aquesta taula igualment?</translation>
    </message>
    <message numerus="yes">
        <source>%1

A countdown of %n seconds, then &quot;hold&quot;: hold your breath as long as you safely can, and press Space when you breathe. A soft mark sounds every 30 seconds and every whole minute is spoken.

Start the test?</source>
        <extracomment>%1 is the safety advice, a sentence. &quot;hold&quot; is the word the test says as the hold begins; Space is the key.</extracomment>
        <translation>
            <numerusform>%1

Un compte enrere d&apos;%n segon i després &quot;aguanta&quot;: aguanteu la respiració tant com pugueu amb seguretat i premeu Space quan respireu. Un senyal suau sona cada 30 segons i es diu cada minut sencer.

Voleu començar la prova?</numerusform>
            <numerusform>%1

Un compte enrere de %n segons i després &quot;aguanta&quot;: aguanteu la respiració tant com pugueu amb seguretat i premeu Space quan respireu. Un senyal suau sona cada 30 segons i es diu cada minut sencer.

Voleu començar la prova?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fill the fields with this table all the same?</source>
        <translation>%1

Voleu omplir els camps amb aquesta taula igualment?</translation>
    </message>
    <message>
        <source>Sen&amp;sors...</source>
        <translation>&amp;Sensors...</translation>
    </message>
    <message>
        <source>SpO2 %1 %: the hold is ended. Breathe.</source>
        <extracomment>Shown large under the displays as the low-SpO2 alarm ends a hold; %1 is the SpO2 in percent.</extracomment>
        <translation>SpO2 %1 %: s&apos;ha acabat l&apos;apnea. Respireu.</translation>
    </message>
</context>
</TS>
