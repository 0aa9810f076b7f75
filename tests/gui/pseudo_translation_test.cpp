// Every word the program composes goes through translation, whatever the language: under a
// pseudo translation that wraps each translated piece in ⟦ and ⟧ (tests/translations), with
// the English names of the method, every window and state, every message box, the lunar lines
// and the commands' output are read, and once the translated pieces, the data (names of the
// method, hexagram texts and titles) and the notations every language writes alike are gone,
// no word may be left: a word left reached the user without translation, and would stay in
// English in a language written in Latin letters, where the Chinese check cannot see it.

#include "app/file_error_message.h"
#include "app/lunar_words.h"
#include "app/question.h"
#include "app/trigram_correspondences.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "tests/gui/window_walk.h"
#include "text/names.h"

#include <QDir>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <memory>
#include <sstream>

using namespace zandrel;
using namespace zandrel::test;

namespace {

// The pseudo translation, a new translator each time: one is owned by a vocabulary, another
// installed for the window.
std::unique_ptr<QTranslator> PseudoTranslation() {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(ZANDREL_PSEUDO_QM))) {
        qFatal("cannot load the pseudo translation %s", ZANDREL_PSEUDO_QM);
    }
    return translator;
}

// The pseudo translation installed for every tr() of the window while it lives, as a
// LanguageSession installs a language's.
class PseudoWindowTranslation {
public:
    PseudoWindowTranslation() : translator_(PseudoTranslation()) {
        QCoreApplication::installTranslator(translator_.get());
    }
    ~PseudoWindowTranslation() { QCoreApplication::removeTranslator(translator_.get()); }
    PseudoWindowTranslation(const PseudoWindowTranslation&) = delete;
    PseudoWindowTranslation& operator=(const PseudoWindowTranslation&) = delete;

private:
    std::unique_ptr<QTranslator> translator_;
};

// What a text may hold besides translated pieces: the names of the method in the words of
// `names` and the Chinese words of its lunar dates, the hexagram titles and texts of `store`,
// what the user typed or chose (`typed`: folders, files, texts, arguments), the languages'
// codes, file names and the notations every language writes alike.
class Data {
public:
    Data(Language names, const TextStore& store, const QStringList& typed = {}) : strings_(typed) {
        const auto add = [this](std::string_view name) { strings_ << QString::fromUtf8(name); };
        for (Trigram t = 1; t <= 8; ++t) {
            add(TrigramName(names, t));
            add(TrigramImage(names, t));
        }
        for (int e = 0; e < kElementCount; ++e) {
            add(ElementName(names, static_cast<Element>(e)));
        }
        for (Hexagram n = 1; n <= kHexagramCount; ++n) {
            add(HexagramShortName(names, n));
            add(HexagramFullName(names, n));
            add(ExtraStatementName(names, n));
            for (int k = 1; k <= 6; ++k) {
                add(LineName(names, n, k));
            }
            add(HexagramTitle(store.hexagramTexts, n, store.language));
            strings_ << QString::fromStdString(FullHexagramText(store, n)).split("\r\n");
        }
        for (const ReadingTerm term :
             {ReadingTerm::Body, ReadingTerm::Use, ReadingTerm::Nuclear, ReadingTerm::Original,
              ReadingTerm::Final, ReadingTerm::Opposite, ReadingTerm::Reversed}) {
            add(TermName(names, term));
        }
        for (int s = 0; s < 5; ++s) {
            add(StrengthName(names, s));
        }
        // What each trigram stands for, labels and values, comes from the language's data.
        for (Trigram t = 1; t <= 8; ++t) {
            for (const Correspondence& field : CorrespondencesOf(names, t).Fields()) {
                add(field.label);
                add(field.value);
            }
        }
        for (const Relation relation :
             {Relation::UseControlsBody, Relation::BodyFeedsUse, Relation::BodyControlsUse,
              Relation::UseFeedsBody, Relation::SameElement}) {
            add(RelationName(names, relation));
            add(RelationPhrase(names, relation));
        }
        for (const Language language : {names, RowOf(names).chineseDates}) {
            for (int i = 1; i <= 12; ++i) {
                add(StemName(language, i));
                add(BranchName(language, i));
            }
            for (int n = 0; n <= 10; ++n) {
                add(Numeral(language, n));
            }
            for (int w = 0; w <= static_cast<int>(LunarWord::Twenty); ++w) {
                add(LunarWordName(language, static_cast<LunarWord>(w)));
            }
            for (int t = 0; t < 24; ++t) {
                add(SolarTermName(language, t));
            }
        }
        // The codes of the languages, as the command line takes them.
        for (const LanguageRow& row : LanguageTable()) {
            add(row.code);
        }
        strings_.removeAll(QString());
        strings_.removeDuplicates();
        // The longest first, so that a name inside a longer one does not break it up.
        std::sort(strings_.begin(), strings_.end(),
                  [](const QString& a, const QString& b) { return a.size() > b.size(); });
    }

    // The words of `text` that bypassed translation: what is left once every translated piece,
    // innermost first, every data string (whole, in any case: a name may be lowercased) and
    // every notation is gone.
    QStringList Untranslated(QString text) const {
        static const QRegularExpression piece(QStringLiteral("\u27e6[^\u27e6\u27e7]*\u27e7"));
        static const QRegularExpression notation(QStringLiteral(
            "[Zz]andrel( (cast|lunar|text))?|Auvrel|auvrel\\.log(\\.1)?|custom\\d+\\.txt|"
            "YYYY-MM-DD|HH:MM|Alt\\+F4|Ctrl\\+T|--[a-z-]+"));
        static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{M}]+"));
        for (QString before; before != text;) {
            before = text;
            text.replace(piece, QStringLiteral(" "));
        }
        for (const QString& data : strings_) {
            if (text.contains(data, Qt::CaseInsensitive)) {
                const QRegularExpression whole("(?<![A-Za-z])" + QRegularExpression::escape(data) +
                                                   "(?![A-Za-z])",
                                               QRegularExpression::CaseInsensitiveOption);
                text.replace(whole, QStringLiteral(" "));
            }
        }
        text.replace(notation, QStringLiteral(" "));
        // The caption of a file-error box is the program's file name.
        text.replace(QCoreApplication::applicationName(), QStringLiteral(" "));
        QStringList words;
        for (auto match = word.globalMatch(text); match.hasNext();) {
            words << match.next().captured();
        }
        // A marker left alone means a translated piece was cut apart.
        if (text.contains(QChar(0x27e6)) || text.contains(QChar(0x27e7))) {
            words << QStringLiteral("(a translated piece cut apart)");
        }
        return words;
    }

    // A line of the failure for each of `texts` (each "<where>\t<text>") that holds a word
    // that bypassed translation, naming `state`, where it was found, the lines of the text
    // that hold such words, and the words.
    QStringList Faults(const QString& state, const QStringList& texts) const {
        QStringList faults;
        for (const QString& text : texts) {
            const QString shown = text.section('\t', 1);
            const QStringList words = Untranslated(shown);
            if (words.isEmpty()) {
                continue;
            }
            QStringList lines;
            for (const QString& line : shown.split('\n')) {
                if (std::any_of(words.begin(), words.end(),
                                [&line](const QString& w) { return line.contains(w); })) {
                    lines << line;
                }
            }
            faults << QStringLiteral("%1, %2: \"%3\" leaves %4")
                          .arg(state, text.section('\t', 0, 0),
                               (lines.isEmpty() ? QStringList{shown} : lines).join("\n"),
                               words.join(' '));
        }
        return faults;
    }

private:
    QStringList strings_;
};

// True when `faults` is empty; otherwise each is logged in full, the failure message being cut
// short.
bool NoneOf(const QStringList& faults) {
    for (const QString& fault : faults) {
        qWarning().noquote() << fault;
    }
    return faults.isEmpty();
}

// Runs a command in `context` and returns what it printed and complained, as readable texts.
QStringList CommandTexts(const CommandContext& context, const std::vector<std::string>& line) {
    std::ostringstream out;
    std::ostringstream err;
    const Command* command = FindCommand(line.front());
    if (command == nullptr) {
        qFatal("no command %s", line.front().c_str());
    }
    RunCommand(*command, {line.begin() + 1, line.end()}, out, err, context);
    QStringList texts;
    for (const auto& [stream, text] : {std::pair{"out", out.str()}, {"err", err.str()}}) {
        if (!text.empty()) {
            texts << QString::fromLatin1(stream) + "\t" + QString::fromStdString(text);
        }
    }
    if (texts.isEmpty()) {
        qFatal("%s printed nothing", line.front().c_str());
    }
    return texts;
}

} // namespace

class PseudoTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        InitGuiTests();
        words_ = std::make_unique<Vocabulary>(Language::English, PseudoTranslation());
    }
    void cleanup() { SetMessageBoxAnswerer({}); }

    void everyWindowTranslatesEveryWord();
    void everyMessageBoxTranslatesEveryWord();
    void lunarDatesTranslateEveryWord();
    void commandsTranslateEveryWord();

private:
    std::unique_ptr<Vocabulary> words_;
};

void PseudoTranslationTest::everyWindowTranslatesEveryWord() {
    const PseudoWindowTranslation translation;
    MainWindow fixture(*words_);
    fixture.Start();
    const Data data(words_->Speaks(), fixture.window.Texts(),
                    QStringList{fixture.Path()} + TypedInWalk());
    QStringList faults;
    VisitEveryWindow(fixture, [&](CDialog& dialog, const QString& state) {
        faults << data.Faults(state, ReadableTexts(dialog));
    });
    QVERIFY2(NoneOf(faults), "words bypassed translation; each is logged above");
}

void PseudoTranslationTest::everyMessageBoxTranslatesEveryWord() {
    const PseudoWindowTranslation translation;
    MainWindow fixture(*words_);
    fixture.Start();
    std::vector<MessageBoxRequest> asked;
    ShowEveryMessageBox(fixture, &asked);
    const Data data(words_->Speaks(), fixture.window.Texts(), {fixture.Path(), "/tmp/file.txt"});
    QStringList faults;
    for (const MessageBoxRequest& request : asked) {
        faults << data.Faults("message box", {"caption\t" + QString::fromStdString(request.caption),
                                              "text\t" + QString::fromStdString(request.text)});
    }
    // Every cause of a file error.
    for (int cause = static_cast<int>(FileCause::None);
         cause <= static_cast<int>(FileCause::EndOfFile); ++cause) {
        const std::string message =
            FileErrorMessage(*words_, {static_cast<FileCause>(cause), "/tmp/file.txt"});
        faults << data.Faults("file error",
                              {QString::number(cause) + "\t" + QString::fromStdString(message)});
    }
    QVERIFY2(NoneOf(faults), "words bypassed translation; each is logged above");
}

void PseudoTranslationTest::lunarDatesTranslateEveryWord() {
    // A leap month and a month that is not, without an hour and at every hour.
    const Data data(words_->Speaks(), TextStore{});
    QStringList faults;
    for (const CivilDate date : {CivilDate{2023, 3, 22}, CivilDate{2024, 2, 10}}) {
        const LunarDate lunar = LunarDateOf(date).value();
        for (int hour = 0; hour <= 12; ++hour) {
            const std::optional<int> branch = hour == 0 ? std::nullopt : std::optional<int>(hour);
            faults << data.Faults(QString::fromStdString(CivilDateText(date)),
                                  {"hour " + QString::number(hour) + "\t" +
                                   QString::fromStdString(LunarDateLines(*words_, lunar, branch))});
        }
    }
    QVERIFY2(NoneOf(faults), "words bypassed translation; each is logged above");
}

// Every command's output for good input, its complaints and its help, in the words the context
// gives; the JSON keeps its English words in every language, so it is left out.
void PseudoTranslationTest::commandsTranslateEveryWord() {
    const DataFolder folder;
    const std::string path = folder.Path().toStdString();
    folder.WriteFile("custom2.txt",
                     "Mine\r\nOwn main text\r\nL1\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6\r\n");
    CommandContext context{path, path + "/user", Language::English, {}, words_.get()};
    Session session(path, *words_);
    session.LoadTexts();
    // The texts read with the custom text, and the folder and the arguments the commands echo.
    const Data data(words_->Speaks(), session.Texts(), {folder.Path(), "bogus", "xx", "extra"});
    QStringList faults;
    const std::vector<std::vector<std::string>> lines = {
        {"cast", "--date", "2024-02-10", "--time", "12:00", "--traditional", "--question", "42"},
        {"cast", "--date", "2023-03-22", "--time", "23:30", "--traditional"},
        {"cast", "--date", "2023-03-22", "--time", "23:30", "--traditional", "--details",
         "--longitude", "100", "--year-start", "lichun", "--zi-hour", "next-day"},
        {"cast", "--date", "2024-07-30", "--time", "12:00", "--details"},
        {"cast", "--date", "2001-03-15", "--period", "5", "--zi-hour", "late"},
        {"cast", "--date", "2001-03-15", "--period", "5"},
        {"cast", "--date", "2001-03-15"},
        {"cast", "--date", "2001-03-15", "--period", "5", "--time", "12:00"},
        {"cast", "--date", "2023-02-29", "--period", "5"},
        {"cast", "--date", "1997-12-31", "--period", "5"},
        {"cast", "--period", "5"},
        {"cast", "--date", "2001-03-15", "--period", "13"},
        {"cast", "--date", "2001-03-15", "--time", "7"},
        {"cast", "--date", "2001-03-15", "--period", "5", "--question",
         std::string(kMaxQuestionCharacters + 1, '1')},
        {"cast", "--bogus"},
        {"cast", "--json=1"},
        {"cast", "--date"},
        {"cast", "extra"},
        {"cast", "--help"},
        {"cast", "--language", "xx"},
        {"lunar", "2023-03-22", "23:30"},
        {"lunar", "2024-02-10"},
        {"lunar"},
        {"lunar", "2024-13-01"},
        {"lunar", "2024-02-10", "24:00"},
        {"lunar", "1", "2", "3"},
        {"text", "1"},
        {"text", "2"},
        {"text"},
        {"text", "65"},
        {"text", "1", "2"},
    };
    for (const std::vector<std::string>& line : lines) {
        QStringList shown;
        for (const std::string& argument : line) {
            shown << QString::fromStdString(argument).left(20);
        }
        faults << data.Faults("zandrel " + shown.join(' '), CommandTexts(context, line));
    }
    // The log cannot be written where a folder is in its place.
    QVERIFY(QDir(folder.Path()).mkdir("auvrel.log"));
    faults << data.Faults(
        "zandrel cast --log",
        CommandTexts(context, {"cast", "--date", "2001-03-15", "--period", "5", "--log"}));
    // Output that cannot be written.
    std::ostringstream closed;
    std::ostringstream complaint;
    closed.setstate(std::ios::badbit);
    Print(closed, complaint, *words_, "x");
    faults << data.Faults("zandrel > closed", {"err\t" + QString::fromStdString(complaint.str())});
    // The program's own command line.
    for (const std::vector<std::string>& line :
         {std::vector<std::string>{"--bogus"}, {"--language", "xx"}, {"--language"}, {"extra"}}) {
        QString shown = "zandrel";
        for (const std::string& argument : line) {
            shown += " " + QString::fromStdString(argument);
        }
        faults << data.Faults(shown, {"err\t" + QString::fromStdString(CommandLineErrorText(
                                                    *words_, ParseCommandLine(line).error))});
    }
    faults << data.Faults("zandrel --help", {"out\t" + QString::fromStdString(UsageText(*words_))});
    QVERIFY2(NoneOf(faults), "words bypassed translation; each is logged above");
}

QTEST_MAIN(PseudoTranslationTest)
#include "pseudo_translation_test.moc"
