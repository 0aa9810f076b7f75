// A text as a read-only box shows it: positions both ways around the line breaks added to
// show it, what a copy gives, replacing a range, the symbols of control characters, and the
// whole text shown at once.

#include "platform/displayed_text.h"

#include <QTest>

#include <algorithm>
#include <vector>

using namespace zandrel;

namespace {

constexpr qsizetype kBlock = kMaxDisplayBlock;

// A line without blanks whose neighbouring letters differ, so that a copy one character
// short or long, or shifted, shows. One of 2 * kBlock + 5 is broken at kBlock and 2 * kBlock.
QString Run(qsizetype size) {
    QString run;
    for (qsizetype i = 0; i < size; ++i) {
        run += QChar(char16_t(u'a' + i % 26));
    }
    return run;
}

const QString kTwoBreaks = Run(2 * kBlock + 5);

} // namespace

class DisplayedTextTest : public QObject {
    Q_OBJECT

private slots:
    void positionsMapBothWaysAroundBreaks_data();
    void positionsMapBothWaysAroundBreaks();
    void aCopyHoldsEveryCharacterOfItsRange_data();
    void aCopyHoldsEveryCharacterOfItsRange();
    void replacingLaysOutOnlyWhatItTouches_data();
    void replacingLaysOutOnlyWhatItTouches();
    void controlCharactersShowAsSymbols_data();
    void controlCharactersShowAsSymbols();
    void displayTextBreaksLongLinesAndShowsControls_data();
    void displayTextBreaksLongLinesAndShowsControls();
};

void DisplayedTextTest::positionsMapBothWaysAroundBreaks_data() {
    QTest::addColumn<qsizetype>("text");
    QTest::addColumn<qsizetype>("shown");
    QTest::addColumn<QString>("ways"); // "both", or only "to text" or "to shown"
    const qsizetype b = kBlock;
    QTest::newRow("the start") << qsizetype(0) << qsizetype(0) << "both";
    QTest::newRow("before the first break") << b - 1 << b - 1 << "both";
    QTest::newRow("the first break, shown at the end of its line") << b << b << "to text";
    QTest::newRow("the first break, shown at the start of the next") << b << b + 1 << "both";
    QTest::newRow("after the first break") << b + 1 << b + 2 << "both";
    QTest::newRow("before the last break") << 2 * b - 1 << 2 * b << "both";
    QTest::newRow("the last break, shown at the end of its line")
        << 2 * b << 2 * b + 1 << "to text";
    QTest::newRow("the last break, shown at the start of the next") << 2 * b << 2 * b + 2 << "both";
    QTest::newRow("after the last break") << 2 * b + 1 << 2 * b + 3 << "both";
    QTest::newRow("the end") << 2 * b + 5 << 2 * b + 7 << "both";
    QTest::newRow("before the start, text") << qsizetype(-1) << qsizetype(0) << "to shown";
    QTest::newRow("before the start, shown") << qsizetype(0) << qsizetype(-1) << "to text";
    QTest::newRow("past the end, text") << 2 * b + 6 << 2 * b + 7 << "to shown";
    QTest::newRow("past the end, shown") << 2 * b + 5 << 2 * b + 8 << "to text";
}

void DisplayedTextTest::positionsMapBothWaysAroundBreaks() {
    QFETCH(qsizetype, text);
    QFETCH(qsizetype, shown);
    QFETCH(QString, ways);
    const DisplayedText laid(kTwoBreaks);
    QCOMPARE(laid.Breaks(), (std::vector<qsizetype>{kBlock, 2 * kBlock}));
    if (ways != QLatin1String("to text")) {
        QCOMPARE(laid.ToShown(text), shown);
    }
    if (ways != QLatin1String("to shown")) {
        QCOMPARE(laid.ToText(shown), text);
    }
}

void DisplayedTextTest::aCopyHoldsEveryCharacterOfItsRange_data() {
    // A range of the text is selected as the box's SetSel does; a shown one as the user does.
    QTest::addColumn<bool>("inText");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<qsizetype>("to");
    QTest::addColumn<QString>("copied");
    const qsizetype b = kBlock;
    const QString& run = kTwoBreaks;
    QTest::newRow("ending exactly at the first break") << true << qsizetype(0) << b << run.left(b);
    QTest::newRow("ending one before it") << true << qsizetype(0) << b - 1 << run.left(b - 1);
    QTest::newRow("ending one after it") << true << qsizetype(0) << b + 1 << run.left(b + 1);
    QTest::newRow("starting at it") << true << b << b + 3 << run.mid(b, 3);
    QTest::newRow("ending exactly at the last break")
        << true << b + 1 << 2 * b << run.mid(b + 1, b - 1);
    QTest::newRow("across the last break")
        << true << 2 * b - 2 << 2 * b + 2 << run.mid(2 * b - 2, 4);
    QTest::newRow("the whole text") << true << qsizetype(0) << run.size() << run;
    QTest::newRow("shown up to the end of the first line")
        << false << qsizetype(0) << b << run.left(b);
    QTest::newRow("shown across the added line feed")
        << false << b - 1 << b + 2 << run.mid(b - 1, 2);
    QTest::newRow("shown from the added line feed on") << false << b << b + 2 << run.mid(b, 1);
    QTest::newRow("shown backwards") << false << b + 2 << b - 1 << run.mid(b - 1, 2);
}

void DisplayedTextTest::aCopyHoldsEveryCharacterOfItsRange() {
    QFETCH(bool, inText);
    QFETCH(qsizetype, from);
    QFETCH(qsizetype, to);
    QFETCH(QString, copied);
    const DisplayedText laid(kTwoBreaks);
    if (inText) {
        QCOMPARE(laid.TextOf(laid.ToShown(from), laid.ToShown(to)), copied);
    } else {
        QCOMPARE(laid.TextOf(from, to), copied);
    }
}

void DisplayedTextTest::replacingLaysOutOnlyWhatItTouches_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<qsizetype>("end");
    QTest::addColumn<QString>("with");
    const qsizetype b = kBlock;
    const QString longRun = Run(10 * b + 7);
    QTest::newRow("appending to a short line")
        << "abc" << qsizetype(3) << qsizetype(3) << "def\nghi";
    QTest::newRow("appending after a line end") << "line\n"
                                                << qsizetype(5) << qsizetype(5) << "next";
    QTest::newRow("appending past a block") << Run(b - 2) << b - 2 << b - 2 << "xyz";
    QTest::newRow("appending to a long run")
        << longRun << longRun.size() << longRun.size() << "more";
    // The first block ends after its blank; one within its reach ends it later.
    QTest::newRow("a blank within reach of the block before")
        << QString(b - 10, 'x') + " " + QString(b + 50, 'y') << b - 3 << b - 2 << " ";
    QTest::newRow("a surrogate pair pushed onto the block's end")
        << QString(b - 2, 'x') + QString::fromUtf16(u"\U0001F600z") << qsizetype(0) << qsizetype(0)
        << "w";
    QTest::newRow("a line feed splitting a long line") << Run(3 * b) << b + 100 << b + 100 << "\n";
    QTest::newRow("removing a range that held a break") << Run(3 * b) << b - 5 << b + 5 << "";
    QTest::newRow("a range across a line end")
        << "one\ntwo\nthree" << qsizetype(2) << qsizetype(6) << "X";
    QTest::newRow("everything by nothing") << kTwoBreaks << qsizetype(0) << kTwoBreaks.size() << "";
}

void DisplayedTextTest::replacingLaysOutOnlyWhatItTouches() {
    QFETCH(QString, text);
    QFETCH(qsizetype, start);
    QFETCH(qsizetype, end);
    QFETCH(QString, with);
    DisplayedText laid(text);
    QString shown = laid.Shown();

    const DisplayedText::Change change = laid.Replace(start, end, with);
    shown.replace(change.shownStart, change.shownEnd - change.shownStart, change.shown);

    // The same as the changed text laid out at once, shown and with its breaks.
    const DisplayedText expected(QString(text).replace(start, end - start, with));
    QCOMPARE(laid.Text(), expected.Text());
    QCOMPARE(laid.Breaks(), expected.Breaks());
    QCOMPARE(shown, expected.Shown());
    // Laid out again from at most two blocks before the change.
    QVERIFY2(laid.ToText(change.shownStart) >= start - 2 * kBlock - 1,
             qPrintable(QString::number(change.shownStart)));
}

void DisplayedTextTest::controlCharactersShowAsSymbols_data() {
    QTest::addColumn<QChar>("control");
    QTest::addColumn<QChar>("symbol");
    for (char16_t c = 0; c < 0x20; ++c) {
        const bool kept = c == u'\t' || c == u'\n';
        QTest::addRow("U+%04X", unsigned(c)) << QChar(c) << QChar(kept ? c : char16_t(0x2400 + c));
    }
    QTest::newRow("DEL") << QChar(char16_t(0x7F)) << QChar(char16_t(0x2421));
}

void DisplayedTextTest::controlCharactersShowAsSymbols() {
    QFETCH(QChar, control);
    QFETCH(QChar, symbol);
    const QString text = QStringLiteral("a") + control + QStringLiteral("b");
    const DisplayedText laid(text);
    QCOMPARE(laid.Shown(), QStringLiteral("a") + symbol + QStringLiteral("b"));
    // A copy gives the character itself.
    QCOMPARE(laid.TextOf(0, laid.ShownSize()), text);
}

void DisplayedTextTest::displayTextBreaksLongLinesAndShowsControls_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<qsizetype>>("breaks");
    QTest::addColumn<QString>("shownStart"); // what is shown of the first line
    const qsizetype block = kMaxDisplayBlock;
    QTest::newRow("a short text") << "a\tb\nc" << QList<qsizetype>{} << "a\tb";
    QTest::newRow("control characters")
        << QString::fromUtf16(u"\u0000\r\u001b\u007f", 4) << QList<qsizetype>{}
        << QString::fromUtf16(u"\u2400\u240d\u241b\u2421");
    QTest::newRow("a long run without blanks")
        << QString(2 * block + 5, 'x') << QList<qsizetype>{block, 2 * block} << QString(block, 'x');
    QTest::newRow("a long line with blanks")
        << QString(block - 10, 'x') + " " + QString(block, 'y') << QList<qsizetype>{block - 9}
        << QString(block - 10, 'x') + " ";
    QTest::newRow("a character of two units at the block's end")
        << QString(block - 1, 'x') + QString::fromUtf16(u"\U0001F600") + "z"
        << QList<qsizetype>{block - 1} << QString(block - 1, 'x');
    QTest::newRow("the second of two lines")
        << "short\n" + QString(block + 1, 'x') << QList<qsizetype>{6 + block} << "short";
}

void DisplayedTextTest::displayTextBreaksLongLinesAndShowsControls() {
    QFETCH(QString, text);
    QFETCH(QList<qsizetype>, breaks);
    QFETCH(QString, shownStart);
    std::vector<qsizetype> added;
    const QString shown = DisplayText(text, &added);
    QCOMPARE(QList<qsizetype>(added.begin(), added.end()), breaks);
    QCOMPARE(shown.section('\n', 0, 0), shownStart);
    // Only line feeds are added, every other character keeps its place.
    QCOMPARE(shown.size(), text.size() + breaks.size());
    for (qsizetype i = 0, j = 0; i < text.size(); ++i, ++j) {
        if (std::find(added.begin(), added.end(), i) != added.end()) {
            QCOMPARE(shown[j++], QChar('\n'));
        }
        QVERIFY(shown[j] == text[i] || shown[j].unicode() >= 0x2400);
    }
}

QTEST_APPLESS_MAIN(DisplayedTextTest)

#include "displayed_text_test.moc"
