// The readers of stored text over random bytes and near misses of real rows
// and records; the same checks run under libFuzzer in scripts/fuzz.
#include "ParserChecks.h"

#include <QRandomGenerator>
#include <QtTest>

class TestParsers : public QObject {
    Q_OBJECT

private slots:
    void randomBytesAndNearMisses()
    {
        QRandomGenerator generator(20261206);
        for (int i = 0; i < 200000; ++i) {
            QByteArray input(generator.bounded(0, 96), Qt::Uninitialized);
            for (char& byte : input)
                byte = static_cast<char>(generator.bounded(256));
            const QString failure = CheckParsers(input);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
        const QList<QByteArray> seeds{
            "Algebra                                  84            06/12/2026",
            "Algebra                                  Not Taken",
            "Bob 12" + QByteArray(80, ' ') + "9223372036854775807",
            "3122C", "3123X", "3122c", "", "9", "12", "31x2C", "1234567", "-5",
            "$CATEGORY: a//b\n\n::T:: Q\\: x {=a#fb ~b ~%50%c}\n\n// c\nQ2 {\n=a\n~b\n~c\n####g\n}\n",
            "\xEF\xBB\xBF[html]<p>a&amp;b<br>c</p> {=&lt;x&gt; ~y ~z}\r\n\r\nQ {T}\r\nQ {#1:2}\r\nQ {=a -> b}",
            "On {~x =y ~z} day \\{\\}\\n\\\\ {}\n\n::open {=a",
            "[html]<p>3<5 x<sup>2</sup><img alt=a><script>s</script>&Omega;<table><td>a</table> {=[moodle]a ~%e% b\n\n"
            "~[html]<b>c->d</b>}",
            "Q\nA. a\nB) b\nC. c\nANSWER: B\n\nQ2\nA) x\nB. y\nANSWER: C\nANSWER: A\n",
            "<?xml version=\"1.0\"?>\n<!DOCTYPE quiz [<!ENTITY x \"y\">]><quiz><question type=\"multichoice\"><name><text>N"
            "</text></name><questiontext format=\"html\"><text><![CDATA[<p>a&amp;b<img src=\"@@PLUGINFILE@@/p.png\">]]>"
            "</text><file name=\"p.png\">iVBORw0KGgo=</file></questiontext><answer fraction=\"100\"><text>&x;</text></answer>"
            "<answer fraction=\"0\"><text>b</text></answer><answer fraction=\"0\"><text>c</text></answer></question></quiz>",
        };
        for (const QByteArray& seed : seeds) {
            for (int i = 0; i < 5000; ++i) {
                QByteArray input = seed;
                for (int edits = generator.bounded(4); edits > 0 && !input.isEmpty(); --edits) {
                    const auto at = generator.bounded(input.size());
                    switch (generator.bounded(3)) {
                    case 0: input.remove(at, 1 + generator.bounded(8)); break;
                    case 1: input.insert(at, static_cast<char>(generator.bounded(32, 127))); break;
                    default: input[at] = static_cast<char>(generator.bounded(256)); break;
                    }
                }
                const QString failure = CheckParsers(input);
                QVERIFY2(failure.isEmpty(), qPrintable(failure));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestParsers)
#include "test_parsers.moc"
