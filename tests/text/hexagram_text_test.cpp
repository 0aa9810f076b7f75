#include "tests/support/fault_helpers.h"
#include "text/default_texts.h"
#include "text/hexagram_text.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zandrel {
namespace {

using fixtures::TempDir;
using State = CustomTextState;

EightTexts TextsOf(const HexagramText& r) {
    return {r.title,        r.mainText,     r.lineTexts[0], r.lineTexts[1],
            r.lineTexts[2], r.lineTexts[3], r.lineTexts[4], r.lineTexts[5]};
}

TEST(CustomFileNameTest, DecimalWithoutPadding) {
    EXPECT_EQ(CustomFileName(1), "custom1.txt");
    EXPECT_EQ(CustomFileName(7), "custom7.txt");
    EXPECT_EQ(CustomFileName(64), "custom64.txt");
}

struct LoadCase {
    const char* what;
    std::string bytes;
    State state;
    EightTexts texts;
};

TEST(LoadCustomTextsTest, ReadsLinesByPosition) {
    const LoadCase cases[] = {
        {"zero bytes", "", State::None, {}},
        {"a lone CR LF", "\r\n", State::Active, {}},
        {"three lines", "T\r\nM\r\nL1\r\n", State::Active, {"T", "M", "L1"}},
        {"ten lines",
         "T\r\nM\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n9\r\n10\r\n",
         State::Active,
         {"T", "M", "1", "2", "3", "4", "5", "6"}},
        {"lone LF and no final line end", "T\nM\n1", State::Active, {"T", "M", "1"}},
        {"CR inside a line and CR CR LF", "a\rb\r\r\n\r\n", State::Active, {"a\rb\r", ""}},
        {"empty lines in between", "\n\nthird\n", State::Active, {"", "", "third"}},
        {"NUL and invalid UTF-8 kept byte for byte",
         std::string("t\0i\xE9tle\r\n\xFF\xFE\r\n", 13),
         State::Active,
         {std::string("t\0i\xE9tle", 7), "\xFF\xFE"}},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        dir.Write("custom5.txt", c.bytes);
        HexagramTexts texts;
        LoadCustomTexts(texts, dir.Path());
        EXPECT_EQ(texts[4].state, c.state);
        EXPECT_EQ(TextsOf(texts[4]), c.texts);
        for (int n = 1; n <= 64; ++n) {
            if (n != 5) {
                EXPECT_EQ(texts[n - 1].state, State::None) << n;
            }
        }
    }
}

TEST(LoadCustomTextsTest, FilesThatCannotBeReadCountAsNone) {
    TempDir dir;
    ::mkdir(dir.File("custom3.txt").c_str(), 0755);
    dir.Write("custom07.txt", "padded name is not ours\r\n");
    dir.Write("custom9.txt", "held\r\n");
    dir.Write("custom64.txt", "last\r\n");
    HexagramTexts texts;
    {
        const fixtures::LockHolder holder(dir.File("custom9.txt"));
        LoadCustomTexts(texts, dir.Path());
    }
    EXPECT_EQ(texts[2].state, State::None);
    EXPECT_EQ(texts[6].state, State::None);
    EXPECT_EQ(texts[8].state, State::None);
    EXPECT_EQ(texts[63].state, State::Active);
    EXPECT_EQ(texts[63].title, "last");
}

// A text is cut at the cap, before a character the cap would split, and the rest of its line is
// skipped, so the texts after it still load; a CR LF line end does not count towards the cap,
// wherever the file is read in pieces. The file counts as ending at the read bound.
TEST(LoadCustomTextsTest, LongTextsAreCutAtTheCap) {
    const std::size_t cap = kMaxCustomTextBytes;
    const std::string full(cap, 'x');
    const std::string euro = "\xE2\x82\xAC";
    const std::string longLine(2 * cap, 'x');
    std::string eightLongLines;
    for (int i = 0; i < 8; ++i) {
        eightLongLines += std::string(120 * 1024, static_cast<char>('a' + i)) + "\r\n";
    }
    const struct {
        const char* what;
        std::string bytes;
        EightTexts texts;
    } cases[] = {
        {"10 MB in one line", std::string(10'000'000, 'x'), {full}},
        {"a text of exactly the cap", full + "\r\nmain\r\n", {full, "main"}},
        {"one byte past the cap", full + "y\r\nmain\r\n", {full, "main"}},
        {"a character across the cap",
         std::string(cap - 1, 'x') + euro + "\r\nmain\r\n",
         {std::string(cap - 1, 'x'), "main"}},
        {"a character ending at the cap",
         std::string(cap - 4, 'x') + "\xF0\x9F\x98\x80" + euro + "\r\nmain\r\n",
         {std::string(cap - 4, 'x') + "\xF0\x9F\x98\x80", "main"}},
        {"a first byte before the cap that nothing continues",
         std::string(cap - 1, 'x') + "\xC3" + "AB\r\nmain\r\n",
         {std::string(cap - 1, 'x') + "\xC3", "main"}},
        {"Windows-1252 quotes across the cap",
         std::string(cap - 2, 'x') + "\x93\x94\x93\x94\r\nmain\r\n",
         {std::string(cap - 2, 'x') + "\x93\x94", "main"}},
        {"a long line between short ones",
         "T\r\n" + longLine + "\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6",
         {"T", full, "1", "2", "3", "4", "5", "6"}},
        {"eight long lines",
         eightLongLines,
         {std::string(cap, 'a'), std::string(cap, 'b'), std::string(cap, 'c'),
          std::string(cap, 'd'), std::string(cap, 'e'), std::string(cap, 'f'),
          std::string(cap, 'g'), std::string(cap, 'h')}},
        {"a line past the read bound",
         std::string(kMaxCustomFileBytes, 'x') + "\r\nmain\r\n",
         {full}},
        {"the read bound inside a line",
         std::string(kMaxCustomFileBytes - 12, 'x') + "\r\nmain text past the bound\r\n",
         {full, "main text "}},
        {"a CR LF across a piece read",
         std::string(4095, 'x') + "\r\nmain",
         {std::string(4095, 'x'), "main"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        dir.Write("custom1.txt", c.bytes);
        HexagramTexts texts;
        LoadCustomTexts(texts, dir.Path());
        const EightTexts loaded = TextsOf(texts[0]);
        for (std::size_t i = 0; i < loaded.size(); ++i) {
            EXPECT_EQ(loaded[i].size(), c.texts[i].size()) << "text " << i;
            EXPECT_TRUE(loaded[i] == c.texts[i]) << "text " << i;
        }
        EXPECT_TRUE(dir.Read("custom1.txt") == c.bytes) << "loading never changes the file";
    }
}

TEST(LoadCustomTextsTest, ASparseFileOf100GigabytesAndManyLines) {
    TempDir dir;
    {
        // Holes read as NUL bytes: one line as long as the file, with no line end.
        const int fd = ::open(dir.File("custom5.txt").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_EQ(::ftruncate(fd, 100'000'000'000LL), 0);
        ::close(fd);
    }
    std::string manyLines;
    for (int i = 0; i < 100000; ++i) {
        manyLines += "line " + std::to_string(i) + "\r\n";
    }
    dir.Write("custom2.txt", manyLines);
    HexagramTexts texts;
    LoadCustomTexts(texts, dir.Path());
    EXPECT_EQ(texts[4].state, State::Active);
    EXPECT_TRUE(texts[4].title == std::string(kMaxCustomTextBytes, '\0'));
    EXPECT_EQ(texts[4].mainText, "");
    EXPECT_EQ(texts[1].lineTexts[5], "line 7");
}

TEST(BlocksTest, ActiveRecordsReplaceTheWholeSet) {
    TempDir dir;
    dir.Write("custom5.txt", "\r\n");
    dir.Write("custom6.txt", "My title\r\nMy main text\r\nfirst\r\n");
    HexagramTexts texts;
    LoadCustomTexts(texts, dir.Path());

    EXPECT_EQ(HeaderBlock(texts, 5), "Hexagram 5 \r\n\r\n");
    EXPECT_EQ(LineBlock(texts, 5, 1), "Line 1\r\n\r\n");
    EXPECT_EQ(HeaderBlock(texts, 6), "Hexagram 6 My title\r\nMy main text\r\n");
    EXPECT_EQ(LineBlock(texts, 6, 1), "Line 1\r\nfirst\r\n");
    EXPECT_EQ(LineBlock(texts, 6, 2), "Line 2\r\n\r\n"); // empty, not the default
    EXPECT_EQ(HeaderBlock(texts, 1), DefaultText(2000));
    EXPECT_EQ(LineBlock(texts, 64, 6), DefaultText(2447));

    // A pending record shows the defaults.
    UpdateText(texts, 6, {"t", "m"});
    EXPECT_EQ(HeaderBlock(texts, 6), DefaultText(DefaultTextNumber(6, 0)));
    EXPECT_EQ(LineBlock(texts, 6, 3), DefaultText(DefaultTextNumber(6, 3)));
}

TEST(BlocksTest, TitlesAndHeadingLinesFollowTheRecordsAndTheLanguage) {
    TempDir dir;
    dir.Write("custom6.txt", "Hexagram 6 of mine\r\nmain\r\n");
    dir.Write("custom7.txt", "\r\n");
    HexagramTexts texts;
    LoadCustomTexts(texts, dir.Path());
    struct Row {
        int n;
        Language language;
        const char* title;
        const char* heading;
    };
    const Row rows[] = {
        {11, Language::English, "Peace", "Hexagram 11 Peace"},
        {1, Language::English, "Creative Yang Force", "Hexagram 1 Creative Yang Force"},
        {11, Language::SimplifiedChinese, "地天泰", "第十一卦\u3000地天泰"},
        {33, Language::TraditionalChinese, "天山遯", "第三十三卦\u3000天山遯"},
        // A custom title stands as written, in every language, even one that looks like a
        // heading; an empty one is empty.
        {6, Language::English, "Hexagram 6 of mine", "Hexagram 6 Hexagram 6 of mine"},
        {6, Language::SimplifiedChinese, "Hexagram 6 of mine", "第六卦\u3000Hexagram 6 of mine"},
        {7, Language::English, "", "Hexagram 7 "},
        {65, Language::English, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.n);
        EXPECT_EQ(HexagramTitle(texts, row.n, row.language), row.title);
        EXPECT_EQ(HeadingLine(texts, row.n, row.language), row.heading);
    }
}

TEST(StateTest, Transitions) {
    enum class Event { Update, Restore, RestoreAll, Commit };
    const struct {
        State from;
        Event event;
        State to;
        bool restored;
    } cases[] = {
        {State::None, Event::Update, State::PendingSave, false},
        {State::Active, Event::Update, State::PendingSave, false},
        {State::PendingRemove, Event::Update, State::PendingSave, false},
        {State::Active, Event::Restore, State::PendingRemove, true},
        {State::PendingSave, Event::Restore, State::PendingRemove, true},
        {State::None, Event::Restore, State::None, false},
        {State::PendingRemove, Event::Restore, State::PendingRemove, false},
        {State::Active, Event::RestoreAll, State::PendingRemove, false},
        {State::None, Event::RestoreAll, State::None, false},
        {State::PendingSave, Event::Commit, State::Active, false},
        {State::PendingRemove, Event::Commit, State::None, false},
        {State::None, Event::Commit, State::None, false},
        {State::Active, Event::Commit, State::Active, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.from) << " event " << int(c.event));
        TempDir dir;
        HexagramTexts texts;
        texts[9].state = c.from;
        if (c.from == State::Active || c.from == State::PendingSave) {
            texts[9].title = "kept";
        }
        bool restored = false;
        switch (c.event) {
        case Event::Update:
            UpdateText(texts, 10, {"new", "", "l1"});
            EXPECT_EQ(TextsOf(texts[9]), (EightTexts{"new", "", "l1"}));
            EXPECT_EQ(RecordTexts(texts, 10), TextsOf(texts[9]));
            break;
        case Event::Restore:
            restored = RestoreText(texts, 10);
            break;
        case Event::RestoreAll:
            RestoreAllText(texts);
            break;
        case Event::Commit:
            EXPECT_FALSE(CommitCustomTexts(texts, dir.Path()).Failed());
            break;
        }
        EXPECT_EQ(texts[9].state, c.to);
        EXPECT_EQ(restored, c.restored);
        if (c.to == State::None || c.to == State::PendingRemove) {
            EXPECT_EQ(TextsOf(texts[9]), EightTexts{});
        }
        if (c.event == Event::Commit && c.from != State::PendingSave &&
            c.from != State::PendingRemove) {
            EXPECT_TRUE(dir.Entries().empty()) << "no pending record, no file written";
        }
    }
}

TEST(CommitTest, WritesPendingRecordsByteForByte) {
    TempDir dir;
    dir.Write("custom2.txt", "old\r\n");
    HexagramTexts texts;
    LoadCustomTexts(texts, dir.Path());
    UpdateText(texts, 1, {"Title", "Main", "a", "b\rc", "", "", "", "six"});
    UpdateText(texts, 3, {});
    RestoreText(texts, 2);
    UpdateText(texts, 4, {});
    RestoreText(texts, 4); // never had a file: committing creates it empty

    ASSERT_FALSE(CommitCustomTexts(texts, dir.Path()).Failed());
    EXPECT_EQ(dir.Read("custom1.txt"), "Title\r\nMain\r\na\r\nb\rc\r\n\r\n\r\n\r\nsix\r\n");
    EXPECT_EQ(dir.Read("custom2.txt"), "");
    EXPECT_EQ(dir.Read("custom3.txt"), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(dir.Read("custom4.txt"), "");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"custom1.txt", "custom2.txt", "custom3.txt",
                                                       "custom4.txt"}));

    // At the next start the eight empty lines are an Active record with empty texts.
    HexagramTexts reloaded;
    LoadCustomTexts(reloaded, dir.Path());
    EXPECT_EQ(reloaded[0].state, State::Active);
    EXPECT_EQ(TextsOf(reloaded[0]), (EightTexts{"Title", "Main", "a", "b\rc", "", "", "", "six"}));
    EXPECT_EQ(reloaded[1].state, State::None);
    EXPECT_EQ(reloaded[2].state, State::Active);
    EXPECT_EQ(TextsOf(reloaded[2]), EightTexts{});
}

// Whatever UpdateText accepts comes back the same after a commit and a new start; what would
// not is refused, and the record and its file stay as they were.
TEST(CommitTest, EveryTextUpdateAcceptsComesBackWhole) {
    const std::size_t cap = kMaxCustomTextBytes;
    const std::string euro = "\xE2\x82\xAC";      // three bytes
    const std::string emoji = "\xF0\x9F\x98\x80"; // four bytes
    EightTexts allAtTheCap;
    allAtTheCap.fill(std::string(cap, 'z'));
    const struct {
        const char* what;
        EightTexts texts;
        bool accepted;
    } cases[] = {
        {"the cap less one", {std::string(cap - 1, 't'), "m", "L1 after the long ones"}, true},
        {"the cap", {std::string(cap, 't'), std::string(cap, 'm'), "L1 after the long ones"}, true},
        {"the cap plus one", {"t", std::string(cap + 1, 'm'), "L1"}, false},
        {"three bytes ending at the cap",
         {"t", "m", "", "", "", "", "", std::string(cap - 3, 's') + euro},
         true},
        {"three bytes across the cap", {std::string(cap - 2, 't') + euro}, false},
        {"four bytes ending at the cap", {emoji + std::string(cap - 8, 't') + emoji}, true},
        {"four bytes across the cap", {std::string(cap - 3, 't') + emoji}, false},
        {"eight texts at the cap", allAtTheCap, true},
    };
    const std::string old = "Old\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        dir.Write("custom20.txt", old);
        HexagramTexts texts;
        LoadCustomTexts(texts, dir.Path());

        EXPECT_EQ(UpdateText(texts, 20, c.texts), c.accepted);
        ASSERT_FALSE(CommitCustomTexts(texts, dir.Path()).Failed());
        HexagramTexts restarted;
        LoadCustomTexts(restarted, dir.Path());
        EXPECT_EQ(restarted[19].state, State::Active);
        const EightTexts expected = c.accepted ? c.texts : EightTexts{"Old"};
        EXPECT_TRUE(TextsOf(texts[19]) == expected) << "the record";
        EXPECT_TRUE(TextsOf(restarted[19]) == expected) << "read back";
        if (!c.accepted) {
            EXPECT_EQ(texts[19].state, State::Active);
            EXPECT_EQ(dir.Read("custom20.txt"), old);
        }
    }
}

// Makes hexagram 5's commit fail in one real way; hexagrams 2 and 9 are pending around it.
struct CommitFault {
    const char* what;
    std::function<FileError(HexagramTexts&, const TempDir&)> commit;
    std::string message; // "%dir" stands for the directory
};

TEST(CommitTest, AFailureStopsTheCommitAndKeepsTheOldFile) {
    const CommitFault faults[] = {
        {"another copy holds the file",
         [](HexagramTexts& texts, const TempDir& dir) {
             const fixtures::LockHolder holder(dir.File("custom5.txt"));
             return CommitCustomTexts(texts, dir.Path());
         },
         "A sharing violation occurred while accessing custom5.txt."},
        {"the disk is full",
         [](HexagramTexts& texts, const TempDir& dir) {
             // Large enough for hexagram 2's small file, too small for hexagram 5's.
             return fixtures::RunInChild([&] { return CommitCustomTexts(texts, dir.Path()); },
                                         4096);
         },
         "Disk full while accessing %dir/custom5.txt."},
        {"read-only file without root",
         [](HexagramTexts& texts, const TempDir& dir) {
             fixtures::MakeWorldWritable(dir.Path());
             ::chmod(dir.File("custom2.txt").c_str(), 0666);
             ::chmod(dir.File("custom5.txt").c_str(), 0444);
             return fixtures::RunInChild([&] { return CommitCustomTexts(texts, dir.Path()); }, -1,
                                         true);
         },
         "Access to custom5.txt was denied."},
    };
    const std::string old5 = "Old title\r\nOld main\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n";
    for (const CommitFault& fault : faults) {
        SCOPED_TRACE(fault.what);
        TempDir dir;
        dir.Write("custom2.txt", "two\r\n");
        dir.Write("custom5.txt", old5);
        HexagramTexts texts;
        LoadCustomTexts(texts, dir.Path());
        UpdateText(texts, 2, {"new two"});
        UpdateText(texts, 5, {std::string(20000, 'n')});
        UpdateText(texts, 9, {"nine"});

        const FileError error = fault.commit(texts, dir);
        std::string expected = fault.message;
        if (const auto at = expected.find("%dir"); at != std::string::npos) {
            expected.replace(at, 4, dir.Path());
        }
        EXPECT_EQ(error.Message(), expected);
        EXPECT_EQ(dir.Read("custom5.txt"), old5);
        EXPECT_FALSE(dir.Exists("custom9.txt"));
        EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"custom2.txt", "custom5.txt"}));
        EXPECT_EQ(dir.Read("custom2.txt"), "new two\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
        if (fault.message.find("sharing") != std::string::npos) {
            // In this process the records show what happened: 2 committed, 5 and 9 pending,
            // and a second commit finishes the job.
            EXPECT_EQ(texts[1].state, State::Active);
            EXPECT_EQ(texts[4].state, State::PendingSave);
            EXPECT_EQ(texts[8].state, State::PendingSave);
            ASSERT_FALSE(CommitCustomTexts(texts, dir.Path()).Failed());
            EXPECT_EQ(texts[4].state, State::Active);
            EXPECT_TRUE(dir.Exists("custom9.txt"));
        }
    }
}

TEST(CommitTest, ADirectoryWhereTheFileShouldBe) {
    TempDir dir;
    ::mkdir(dir.File("custom1.txt").c_str(), 0755);
    HexagramTexts texts;
    UpdateText(texts, 1, {"t"});
    EXPECT_EQ(CommitCustomTexts(texts, dir.Path()).Message(), "Access to custom1.txt was denied.");
    EXPECT_EQ(texts[0].state, State::PendingSave);
}

TEST(OutOfRangeTest, NothingHappens) {
    HexagramTexts texts;
    EXPECT_FALSE(HasCustomFile("", 0));
    EXPECT_FALSE(HasCustomFile("", 65));
    EXPECT_EQ(HeaderBlock(texts, 0), "");
    EXPECT_EQ(LineBlock(texts, 1, 7), "");
    UpdateText(texts, 65, {"x"});
    EXPECT_FALSE(RestoreText(texts, -1));
}

} // namespace
} // namespace zandrel
