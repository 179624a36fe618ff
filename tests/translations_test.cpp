// The translations: every language's file complete and up to date with the code's texts,
// keeping every placeholder, accelerator and line of the English source in every plural form,
// and the language chosen as the user and the system ask.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "caption.h"
#include "cue_catalogue.h"
#include "language.h"

namespace vellorin::testing {
namespace {

struct Message {
    QString context, source, comment;
    QStringList forms;  // the translation, or each of its plural forms
    QString type;       // "unfinished", "vanished", ... or empty when done
    bool numerus = false;
};

QList<Message> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message message;
            message.context = context;
            message.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            messages.append(message);
        } else if (xml.name() == QLatin1String("comment")) {
            messages.last().comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!messages.last().numerus) {
                messages.last().forms.append(xml.readElementText());
            }
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.last().forms.append(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString TsPath(const QString& language) {
    return QStringLiteral(VELLORIN_SOURCE_DIR "/translations/vellorin_%1.ts").arg(language);
}

// What a translation must keep of its source: the placeholders, a tab, the count of lines and
// whether it has an accelerator.
QStringList Kept(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(n|L?\\d+)"));
    QStringList kept;
    for (auto match = placeholder.globalMatch(text); match.hasNext();) {
        kept.append(match.next().captured());
    }
    kept.sort();
    kept.append(QStringLiteral("lines %1").arg(text.count(QLatin1Char('\n'))));
    kept.append(QStringLiteral("tabs %1").arg(text.count(QLatin1Char('\t'))));
    const bool accelerator = QString(text).remove(QStringLiteral("&&")).contains('&');
    kept.append(accelerator ? QStringLiteral("accelerator") : QString());
    return kept;
}

class Translation : public ::testing::TestWithParam<QString> {};

TEST_P(Translation, IsCompleteAndKeepsEveryPlaceholderAndPluralOfTheSource) {
    // Plural forms a language has, as Qt counts them.
    const QHash<QString, int> forms = {{"ru", 3}, {"pl", 3}, {"cs", 3}};
    const QList<Message> messages = ReadTs(TsPath(GetParam()));
    ASSERT_GT(messages.size(), 300);
    for (const Message& message : messages) {
        SCOPED_TRACE((message.context + ": " + message.source).toStdString());
        EXPECT_EQ(message.type, "");
        if (message.numerus) {
            EXPECT_EQ(message.forms.size(), forms.value(GetParam(), 2));
        }
        for (const QString& form : message.forms) {
            EXPECT_FALSE(form.isEmpty());
            EXPECT_EQ(Kept(form), Kept(message.source)) << form.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Translation, ::testing::ValuesIn(Languages().mid(1)),
                         [](const auto& info) { return info.param.toStdString(); });

TEST(Translations, EveryFileHoldsEveryTextOfTheCodeAndEnglishGivesEveryPluralItsSingular) {
    QTemporaryDir dir;
    const QString fresh = dir.filePath("vellorin_de.ts");
    ASSERT_TRUE(QFile::copy(TsPath("de"), fresh));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(VELLORIN_SOURCE_DIR));
    lupdate.start(QStringLiteral(VELLORIN_LUPDATE), {"-no-obsolete", "-locations", "none", "engine",
                                                     "files", "cli", "app", "-ts", fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    const QString said = QString::fromLocal8Bit(lupdate.readAllStandardOutput());
    EXPECT_TRUE(said.contains(QRegularExpression(QStringLiteral("\\(0 new and"))))
        << said.toStdString();
    const QList<Message> english = ReadTs(TsPath("en"));
    for (const QString& language : Languages()) {
        QSet<QString> texts;
        for (const Message& message : ReadTs(TsPath(language))) {
            texts.insert(message.context + '|' + message.source + '|' + message.comment);
        }
        EXPECT_EQ(texts.size(), english.size()) << language.toStdString();
    }
    for (const Message& message : english) {
        if (message.numerus) {
            SCOPED_TRACE(message.source.toStdString());
            ASSERT_EQ(message.forms.size(), 2);
            EXPECT_EQ(message.forms[1], message.source);
        }
    }
}

TEST(Languages, TheChosenOneOrTheSystemsFirstSpokenOneOrEnglish) {
    const struct {
        const char* chosen;
        QStringList system;
        const char* expected;
    } cases[] = {
        {"", {"de-AT", "en-US"}, "de"}, {"", {"nl-NL", "pt_BR"}, "pt"},
        {"", {"ja-JP"}, "en"},          {"", {}, "en"},
        {"ru", {"de-DE"}, "ru"},        {"xx", {"fi-FI"}, "fi"},
        {"en", {"cs-CZ"}, "en"},        {"", {"CA-es"}, "ca"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageFor(c.chosen, c.system), c.expected) << c.chosen;
    }
}

TEST(Languages, UsingOneTranslatesTheCaptionsAndItsCuesAndEnglishPutsThemBack) {
    UseLanguage(QStringLiteral("de"), {});
    EXPECT_EQ(LanguageInUse(), "de");
    const QString hold = CaptionText(Caption::Of(Phase::Hold));
    UseLanguage(QStringLiteral("en"), {});
    EXPECT_NE(hold, "Hold");
    EXPECT_EQ(CaptionText(Caption::Of(Phase::Hold)), "Hold");
    EXPECT_EQ(CaptionText(Caption::Loop(12)), "Loop 12");
    EXPECT_EQ(LanguageInUse(), "en");
}

TEST(Languages, AnotherLanguageBringsItsNumbersAndEnglishLeavesTheSystemsAsTheyAre) {
    if (QLocale::system().language() == QLocale::German) {
        GTEST_SKIP() << "this machine's own numbers are German";
    }
    const QString systems = QLocale().toString(2.5);
    UseLanguage(QStringLiteral("de"), {});
    EXPECT_EQ(QLocale().toString(2.5), "2,5");
    UseLanguage(QStringLiteral("en"), {});
    EXPECT_EQ(QLocale().toString(2.5), systems);
}

// The plural forms a count picks in the languages that have three: "1 задержка", "2 задержки",
// "5 задержек", "21 задержка" (Russian counts 21 as it counts 1; Polish and Czech do not).
TEST(Translations, ACountPicksItsLanguagesPluralForm) {
    const struct {
        const char* language;
        QList<QList<int>> alike;  // counts that share a form, one list a form
    } cases[] = {
        {"ru", {{1, 21, 101}, {2, 3, 4, 22, 34}, {0, 5, 11, 12, 14, 20, 25, 111}}},
        {"pl", {{1}, {2, 3, 4, 22, 34}, {0, 5, 11, 12, 14, 21, 25, 111}}},
        {"cs", {{1}, {2, 3, 4}, {0, 5, 11, 21, 22, 101}}},
        {"de", {{1}, {0, 2, 5, 21}}},
        {"en", {{1}, {0, 2, 5, 21}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        UseLanguage(QString::fromLatin1(c.language), {});
        const auto said = [](int count) {
            return QCoreApplication::translate("SessionSummary", "%n holds done", nullptr, count)
                .remove(QString::number(count));
        };
        QSet<QString> forms;
        for (const QList<int>& counts : c.alike) {
            for (const int count : counts) {
                EXPECT_EQ(said(count), said(counts.first())) << count;
            }
            forms.insert(said(counts.first()));
        }
        EXPECT_EQ(forms.size(), c.alike.size());
    }
    UseLanguage(QStringLiteral("en"), {});
}

// Every caption in English exactly as the window has always shown it.
TEST(Captions, SayInEnglishWhatTheWindowAlwaysShowed) {
    using Kind = Caption::Kind;
    const std::pair<Caption, const char*> cases[] = {
        {Caption::Clock(0), "00:00"},         {Caption::Clock(754), "12:34"},
        {Caption::Loop(7), "Loop 7"},         {Caption::Loop(32767), "Loop 32767"},
        {Caption::Of(Phase::Intro), "Intro"}, {Caption::Of(Phase::Hold), "Hold"},
        {Caption::Of(Phase::Rest), "Rest"},   {Caption{Kind::End}, "End!"},
        {Caption{Kind::PbTest}, "PB test"},   {Caption{Kind::Start}, "Start"},
        {Caption{Kind::Reset}, "Reset"},      {Caption{Kind::Pause}, "Pause"},
        {Caption{Kind::Resume}, "Resume"},
    };
    for (const auto& [caption, text] : cases) {
        EXPECT_EQ(CaptionText(caption), text);
    }
}

// The cue a session plays: the user's own, else the language's, else the English one.
TEST(CueLanguage, TheUsersOwnThenTheLanguagesThenTheEnglishCue) {
    QTemporaryDir dir;
    const QString app = dir.filePath("app");
    const QString user = dir.filePath("user");
    for (const char* file : {"app/snd/1.wav", "app/snd/hold.wav", "app/snd/de/hold.wav",
                             "app/snd/de/2.wav", "user/snd/2.wav"}) {
        QDir().mkpath(QFileInfo(dir.filePath(file)).path());
        QFile(dir.filePath(file)).open(QIODevice::WriteOnly);
    }
    QDir().mkpath(app + "/snd/de/1.wav");  // a folder is no cue
    const struct {
        const char* language;
        const char* cue;
        const char* played;
    } cases[] = {
        {"de", "hold.wav", "app/snd/de/hold.wav"}, {"de", "1.wav", "app/snd/1.wav"},
        {"de", "2.wav", "user/snd/2.wav"},         {"", "hold.wav", "app/snd/hold.wav"},
        {"fr", "hold.wav", "app/snd/hold.wav"},
    };
    for (const auto& c : cases) {
        SetCueLanguage(QString::fromLatin1(c.language));
        EXPECT_EQ(QDir::fromNativeSeparators(ChosenCuePath(app, user, c.cue)),
                  dir.filePath(c.played))
            << c.language << ' ' << c.cue;
    }
    SetCueLanguage({});
}

// The desktop entry and the metainfo carry every language's summary and description.
TEST(Translations, TheDesktopEntryAndTheMetainfoSpeakEveryLanguage) {
    QFile entry(QStringLiteral(VELLORIN_SOURCE_DIR "/data/org.vellorin.Vellorin.desktop"));
    QFile metainfo(QStringLiteral(VELLORIN_SOURCE_DIR "/data/org.vellorin.Vellorin.metainfo.xml"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly) && metainfo.open(QIODevice::ReadOnly));
    const QString desktop = QString::fromUtf8(entry.readAll());
    const QString xml = QString::fromUtf8(metainfo.readAll());
    for (const QString& code : Languages().mid(1)) {
        SCOPED_TRACE(code.toStdString());
        for (const char* key : {"GenericName", "Comment", "Keywords"}) {
            EXPECT_TRUE(desktop.contains(QStringLiteral("\n%1[%2]=").arg(key, code))) << key;
        }
        const QString lang = QStringLiteral(" xml:lang=\"%1\">").arg(code);
        EXPECT_EQ(xml.count("<summary" + lang), 1);
        EXPECT_EQ(xml.count("<p" + lang), 2);
        EXPECT_EQ(xml.count("<li" + lang), xml.count("<li>"));
    }
}

}  // namespace
}  // namespace vellorin::testing
