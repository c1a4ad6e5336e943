#include <QRandomGenerator>
#include <QTest>
#include <QTextDocument>

#include "find/FindEngine.h"

namespace {

// The rules of Find Next taken literally: 1-based positions in the whole text, every line break
// one character, the upper-case form of each character compared when case does not matter.
qsizetype referenceSearch(const QString& text, const FindState& state, qsizetype caret) {
    const auto comparable = [&](QString value) {
        if (state.matchCase == 0) {
            for (QChar& ch : value)
                ch = ch.toUpper();
        }
        return value;
    };
    const QString haystack = comparable(text);
    const QString needle = comparable(state.text);
    const qsizetype offset = state.firstTime ? 0 : (caret == state.lastPos ? 1 : 0);
    const qsizetype start = caret + offset;
    const auto matchesAt = [&](qsizetype p) {
        return haystack.mid(p - 1, needle.size()) == needle;
    };
    if (state.direction == 1) {
        for (qsizetype p = start + 1; p <= haystack.size(); ++p) {
            if (matchesAt(p))
                return p - 1;
        }
        return -1;
    }
    for (qsizetype p = start - 1; p >= 1; --p) {
        if (matchesAt(p))
            return p - 1;
    }
    return -1;
}

qsizetype engineSearch(const QString& text, const FindState& state, qsizetype caret) {
    QTextDocument document;
    document.setPlainText(text);
    const std::optional<FindMatch> match = FindEngine::search(state, document, caret);
    if (match && match->length != state.text.size())
        return -2;  // a match must be as long as the search text
    return match ? match->start : -1;
}

QString randomText(QRandomGenerator& random, const QString& alphabet, int maxLength) {
    QString text;
    const int length = random.bounded(maxLength + 1);
    for (int i = 0; i < length; ++i)
        text += alphabet[random.bounded(alphabet.size())];
    return text;
}

}  // namespace

class TestFindEngine : public QObject {
    Q_OBJECT

private slots:
    void findNextWalksThroughMatchesWithoutWrapping();
    void searchFollowsTheRules_data();
    void searchFollowsTheRules();
    void agreesWithTheRulesOnRandomTexts();
};

void TestFindEngine::findNextWalksThroughMatchesWithoutWrapping() {
    QTextDocument document;
    document.setPlainText(u"abcabc"_qs);
    FindState state;
    state.text = u"abc"_qs;
    state.firstTime = true;

    QCOMPARE(FindEngine::findNext(state, document, 0), (FindMatch{0, 3}));
    QCOMPARE(state.lastPos, 0);
    QVERIFY(!state.firstTime);
    QCOMPARE(FindEngine::findNext(state, document, 0), (FindMatch{3, 3}));
    QCOMPARE(state.lastPos, 3);
    QCOMPARE(FindEngine::findNext(state, document, 3), std::nullopt);
    QCOMPARE(state.lastPos, 3);  // the selection stayed on the last match
    QCOMPARE(FindEngine::notFoundMessage(state.text), u"Cannot find \"abc\""_qs);

    // Up from the last match walks back to the first and stops there.
    state.direction = 0;
    QCOMPARE(FindEngine::findNext(state, document, 3), (FindMatch{0, 3}));
    QCOMPARE(FindEngine::findNext(state, document, 0), std::nullopt);
    QCOMPARE(state.lastPos, 0);
}

void TestFindEngine::searchFollowsTheRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("matchCase");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("lastPos");
    QTest::addColumn<bool>("firstTime");
    QTest::addColumn<int>("expected");  // -1: not found

    const QString abc3 = u"abcabcabc"_qs;
    QTest::newRow("ABC finds abc without match case")
        << u"xabc"_qs << u"ABC"_qs << 0 << 1 << 0 << 0 << true << 1;
    QTest::newRow("ABC misses abc with match case")
        << u"xabc"_qs << u"ABC"_qs << 1 << 1 << 0 << 0 << true << -1;
    QTest::newRow("moved caret includes the match at it")
        << u"abcabc"_qs << u"abc"_qs << 0 << 1 << 3 << 0 << false << 3;
    QTest::newRow("unmoved caret skips the match at it")
        << u"abcabc"_qs << u"abc"_qs << 0 << 1 << 3 << 3 << false << -1;
    QTest::newRow("up from the very start")
        << u"abc"_qs << u"a"_qs << 0 << 0 << 0 << 0 << true << -1;
    QTest::newRow("up, first: two before the caret")
        << abc3 << u"abc"_qs << 0 << 0 << 5 << 0 << true << 3;
    QTest::newRow("up, first: one short of a match")
        << abc3 << u"abc"_qs << 0 << 0 << 4 << 0 << true << 0;
    QTest::newRow("up, repeated: before the last match")
        << abc3 << u"abc"_qs << 0 << 0 << 3 << 3 << false << 0;
    QTest::newRow("a line break is one position")
        << u"ab\ncd\nab"_qs << u"ab"_qs << 0 << 1 << 1 << 0 << true << 6;
    QTest::newRow("down, needle longer than a line")
        << u"ab\nabc"_qs << u"abc"_qs << 0 << 1 << 0 << 0 << true << 3;
    QTest::newRow("up, needle longer than a line")
        << u"abc\nab"_qs << u"abc"_qs << 0 << 0 << 6 << 0 << true << 0;
    QTest::newRow("never across a line break")
        << u"ab\ncd"_qs << u"b\nc"_qs << 0 << 1 << 0 << 0 << true << -1;
    QTest::newRow("no-break space is not a space")
        << u"a\u00A0b c"_qs << u" "_qs << 0 << 1 << 0 << 0 << true << 3;
    QTest::newRow("upper forms: dotless i is I")
        << u"xi"_qs << u"\u0131"_qs << 0 << 1 << 0 << 0 << true << 1;
    QTest::newRow("upper forms: Kelvin sign is not k")
        << u"x\u212A"_qs << u"k"_qs << 0 << 1 << 0 << 0 << true << -1;
    QTest::newRow("sharp s keeps later positions")
        << u"straße x"_qs << u"X"_qs << 0 << 1 << 0 << 0 << true << 7;
    QTest::newRow("letters outside the BMP")
        << u"a\U00010428"_qs << u"\U00010400"_qs << 0 << 1 << 0 << 0 << true << 1;
    QTest::newRow("empty search text") << u"abc"_qs << QString() << 0 << 1 << 0 << 0 << true << -1;
}

void TestFindEngine::searchFollowsTheRules() {
    QFETCH(QString, text);
    QFETCH(QString, needle);
    QFETCH(int, matchCase);
    QFETCH(int, direction);
    QFETCH(int, caret);
    QFETCH(int, lastPos);
    QFETCH(bool, firstTime);
    QFETCH(int, expected);
    const FindState state{needle, matchCase, direction, lastPos, firstTime};
    QCOMPARE(engineSearch(text, state, caret), expected);
}

void TestFindEngine::agreesWithTheRulesOnRandomTexts() {
    // Short lines and few letters, so that matches, misses and edges all come up often.
    const QString alphabet = u"abAB\u0131iI \u00A0\n\n"_qs;
    QRandomGenerator random(20240611);
    for (int round = 0; round < 4000; ++round) {
        const QString text = randomText(random, alphabet, 24);
        QString needle;
        while (needle.isEmpty() || needle.contains(u'\n'))
            needle = randomText(random, u"abAB\u0131iI \u00A0"_qs, 3);
        const qsizetype caret = random.bounded(int(text.size()) + 1);
        FindState state;
        state.text = needle;
        state.matchCase = random.bounded(2);
        state.direction = random.bounded(3) == 0 ? 0 : 1 + random.bounded(2);  // 2 also means up
        state.lastPos = random.bounded(2) ? caret : random.bounded(int(text.size()) + 1);
        state.firstTime = random.bounded(4) == 0;

        const qsizetype expected = referenceSearch(text, state, caret);
        const qsizetype actual = engineSearch(text, state, caret);
        QVERIFY2(actual == expected,
                 qPrintable(QStringLiteral("round %1: \"%2\" in \"%3\", caret %4, last %5, first "
                                           "%6, case %7, direction %8: got %9, want %10")
                                .arg(round)
                                .arg(needle, QString(text).replace(u'\n', u'|'))
                                .arg(caret)
                                .arg(state.lastPos)
                                .arg(state.firstTime)
                                .arg(state.matchCase)
                                .arg(state.direction)
                                .arg(actual)
                                .arg(expected)));
    }
}

QTEST_MAIN(TestFindEngine)
#include "tst_findengine.moc"
