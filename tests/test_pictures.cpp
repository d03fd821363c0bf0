// Pictures in questions: made fit for storing, refused when unreadable,
// written in the editor, shown on the test screen, carried by Moodle XML and
// GIFT, and brought into a database of the version before them.
#include "StudentDesk.h"
#include "TestEnv.h"
#include "UserActions.h"
#include "app/Module1.h"
#include "exchange/Aiken.h"
#include "exchange/Gift.h"
#include "exchange/Moodle.h"
#include "exchange/Picture.h"
#include "screens/PictureView.h"
#include "screens/Screens.h"
#include "screens/frmAdmin.h"
#include "screens/frmAnswers.h"
#include "screens/frmMain.h"
#include "screens/frmNewTest.h"
#include "screens/frmNewTestIntro.h"
#include "screens/frmQuestions.h"

#include <QBuffer>
#include <QImageWriter>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QApplication>
#include <QtTest>

namespace {

// Every pixel a colour of its own: a photograph as far as the encoder knows.
QImage Photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 5 + x * 3) % 256, (x * y) % 251));
    return image;
}

// A red square on white, 40 by 30.
QImage Drawing()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 5; y < 15; ++y)
        for (int x = 10; x < 20; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

void EndProgram()
{
    Screens::DiscardAll();
    ProcessEvents();
    Module1::Reset();
}

// What a reader found, question by question: its line, its texts, and its
// picture's format, size and description; then each note with its line.
QStringList Read(const ReadOutcome& outcome)
{
    QStringList read;
    for (const FoundQuestion& found : outcome.questions) {
        const DraftQuestion& q = found.texts;
        read << QStringLiteral("%1:%2|%3|%4|%5").arg(found.line).arg(q.question, q.answer, q.phony1, q.phony2)
                    + (q.picture ? QStringLiteral("|%1 %2x%3 %4").arg(q.picture->format).arg(q.picture->width)
                                       .arg(q.picture->height).arg(q.picture->description)
                                 : QString());
    }
    for (const FileNote& note : outcome.leftOut)
        read << QStringLiteral("left out ") + QuestionFile::Located(note);
    for (const FileNote& note : outcome.notes)
        read << QStringLiteral("note ") + QuestionFile::Located(note);
    return read;
}

qint64 PictureCount(TestEnv& env) { return env.Scalar(QStringLiteral("SELECT COUNT(*) FROM Pictures")).toLongLong(); }

}

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    // Large pictures are scaled to 1600 pixels and encoded as their kind
    // asks; small ones are kept byte for byte; anything else is refused.
    void preparedForStoring()
    {
        const Pictures::Prepared photo = Pictures::FromBytes(Encoded(Photo(2000, 1000), "PNG"));
        QVERIFY(photo.picture);
        QCOMPARE(QStringList({photo.picture->format, QString::number(photo.picture->width), QString::number(photo.picture->height)}),
                 QStringList({"jpeg", "1600", "800"}));
        QVERIFY(photo.picture->bytes.size() < 1'100'000);
        QImage plan(3200, 200, QImage::Format_RGB32);
        plan.fill(Qt::blue);  // a red band across: two colours, a drawing all the same
        for (int y = 80; y < 120; ++y)
            for (int x = 0; x < plan.width(); ++x)
                plan.setPixel(x, y, qRgb(255, 0, 0));
        const Pictures::Prepared drawing = Pictures::FromBytes(Encoded(plan, "BMP"));
        QCOMPARE(QStringList({drawing.picture->format, QString::number(drawing.picture->width), QString::number(drawing.picture->height)}),
                 QStringList({"png", "1600", "100"}));
        const QByteArray small = Encoded(Drawing(), "PNG");
        const Pictures::Prepared kept = Pictures::FromBytes(small);
        QVERIFY(kept.picture && kept.picture->bytes == small && kept.picture->width == 40 && kept.picture->height == 30);
        QCOMPARE(Pictures::FromBytes(Encoded(Drawing(), "JPEG")).picture->format, QStringLiteral("jpeg"));

        // A camera's JPEG within 1600 pixels but far larger than its pixels
        // need is stored encoded again, at its own size, not as it came.
        QImage camera = Photo(1500, 1000);
        for (int y = 0; y < camera.height(); y += 2)
            for (int x = 0; x < camera.width(); x += 3)
                camera.setPixel(x, y, qRgb((x * 131 + y * 17) % 256, (x * y * 7) % 256, (y * 61) % 256));
        QByteArray raw;
        QBuffer rawBuffer(&raw);
        rawBuffer.open(QIODevice::WriteOnly);
        QImageWriter rawWriter(&rawBuffer, "jpeg");
        rawWriter.setQuality(100);
        QVERIFY(rawWriter.write(camera) && raw.size() > 2'000'000);
        const Pictures::Prepared shrunk = Pictures::FromBytes(raw);
        QVERIFY(shrunk.picture);
        QCOMPARE(QStringList({shrunk.picture->format, QString::number(shrunk.picture->width), QString::number(shrunk.picture->height)}),
                 QStringList({"jpeg", "1500", "1000"}));
        QVERIFY2(shrunk.picture->bytes.size() < raw.size() / 2, qPrintable(QString::number(shrunk.picture->bytes.size())));

        for (const QByteArray& bad : {QByteArray("not a picture at all"), small.left(small.size() / 2), QByteArray()}) {
            const Pictures::Prepared refused = Pictures::FromBytes(bad);
            QVERIFY(!refused.picture && !refused.refusal.isEmpty());
        }
        QVERIFY(!Pictures::DescriptionRefusal(QStringLiteral("  ")).isEmpty());
        QVERIFY(Pictures::DescriptionRefusal(QString(250, u'd')).isEmpty());
        QCOMPARE(Pictures::DescriptionRefusal(QString(251, u'd')),
                 QStringLiteral("A picture's description may have at most 250 characters; this one has 251."));
    }

    // A tall and a wide picture get the room their shape needs, never more
    // than their own size, and keep their shape when the room is small.
    void roomFollowsTheShape()
    {
        PictureView view(nullptr);
        view.Show(Picture{Encoded(Photo(30, 60), "PNG"), QStringLiteral("png"), 30, 60, QStringLiteral("tall")});
        QCOMPARE(view.sizeHint(), QSize(30, 60));
        QCOMPARE(view.heightForWidth(15), 30);
        QCOMPARE(view.heightForWidth(300), 60);
        QCOMPARE(view.minimumSizeHint(), QSize(18, 36));  // 60%
        view.Show(Picture{Encoded(Photo(200, 50), "PNG"), QStringLiteral("png"), 200, 50, QStringLiteral("wide")});
        QCOMPARE(view.sizeHint(), QSize(200, 50));
        QCOMPARE(view.heightForWidth(100), 25);
        QCOMPARE(view.heightForWidth(400), 50);
        QCOMPARE(view.minimumSizeHint(), QSize(120, 30));
        // Larger than the screen: less than 60%, within it and of the same shape.
        const QSize screen = QGuiApplication::primaryScreen()->availableSize();
        view.Show(Picture{Encoded(Photo(40, 20), "PNG"), QStringLiteral("png"), 4 * screen.width(), 2 * screen.width(),
                          QStringLiteral("huge")});
        const QSize least = view.minimumSizeHint();
        QVERIFY2(least.width() < screen.width() && least.height() < screen.height() && least.width() == 2 * least.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
    }

    // A 320 by 240 map on slot 2 of a test: the test window opens with room
    // for it, draws it at its own size (read back from the pixels) and keeps
    // its size from slot to slot. The picture is named by its description,
    // said to open full size, and comes after the answers for the keyboard;
    // opened full size it is shown whole, below the clock.
    void readableAtTheWindowsFirstSize()
    {
        TestEnv env;
        const qint64 test = env.AddTest(QStringLiteral("Maps"));
        env.Exec(QStringLiteral("INSERT INTO Pictures VALUES (?, 2, ?, 'png', 320, 240, 'A map of the Nile')"),
                 {test, FilledPng(320, 240, Qt::red)});
        SignIn(env, env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a")));
        frmQuestions& screen = Take(env, QStringLiteral("Maps"));
        ProcessEvents();
        const QSize first = screen.size();
        Click(screen.cmdNext);
        PictureView& view = *screen.picQuestion;
        QTRY_VERIFY(view.Decoded());
        ProcessEvents();
        QCOMPARE(screen.size(), first);
        const QImage drawn = view.grab().toImage();
        QRect red;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixelColor(x, y) == QColor(Qt::red))
                    red |= QRect(x, y, 1, 1);
        QCOMPARE(red.size(), QSize(320, 240));
        QVERIFY(screen.lblPictureHint->isVisibleTo(&screen));
        QCOMPARE(screen.lblPictureHint->text(), QStringLiteral("Click the picture or press Enter to see it full size."));
        QCOMPARE(view.accessibleName(), QStringLiteral("A map of the Nile"));
        QCOMPARE(view.cursor().shape(), Qt::PointingHandCursor);
        screen.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        screen.optAnswer[0]->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &view);

        QDialog* window = view.OpenFullSize();
        QVERIFY(window);
        const auto* whole = window->findChild<QLabel*>(QStringLiteral("picFullSize"));
        QCOMPARE(whole->pixmap().size(), QSize(320, 240));
        QVERIFY2(window->geometry().top() >= screen.lblTime->mapToGlobal(QPoint(0, screen.lblTime->height())).y(),
                 qPrintable(QStringLiteral("%1").arg(window->geometry().top())));
        window->close();
        // Low on the screen: the window rises over the picture, never over
        // the clock, and what room is left shows the picture whole.
        screen.move(0, 450);
        ProcessEvents();
        const int clockBottom = screen.lblTime->mapToGlobal(QPoint(0, screen.lblTime->height())).y();
        QDialog* low = view.OpenFullSize();
        const QSize lowShown = low->findChild<QLabel*>(QStringLiteral("picFullSize"))->pixmap().size();
        QVERIFY2(low->geometry().top() >= clockBottom && low->geometry().top() < view.mapToGlobal(QPoint(0, 0)).y(),
                 qPrintable(QStringLiteral("%1 %2").arg(low->geometry().top()).arg(clockBottom)));
        QVERIFY2(low->geometry().bottom() < QGuiApplication::primaryScreen()->availableGeometry().bottom()
                     && lowShown.width() < 320 && std::abs(lowShown.width() * 3 - lowShown.height() * 4) <= 4,
                 qPrintable(QStringLiteral("%1x%2").arg(lowShown.width()).arg(lowShown.height())));
        low->close();
        Click(screen.cmdNext);
        ProcessEvents();
        QVERIFY(!screen.lblPictureHint->isVisibleTo(&screen));
        QCOMPARE(screen.size(), first);
    }

    // Written and read back: the same texts and the same pixels.
    void moodleRoundTrip()
    {
        TestDraft draft;
        draft.title = QStringLiteral("Maps & <Plans>");
        Picture picture = *Pictures::FromBytes(Encoded(Drawing(), "PNG")).picture;
        picture.description = QStringLiteral("A red \"square\" <on> white & nothing else");
        draft.questions = {{QStringLiteral("Which colour is <b>the</b> square?\nLook & see."), QStringLiteral("Red"),
                            QStringLiteral("Blue & green"), QStringLiteral("<none>"), picture},
                           {QStringLiteral("  Two\n lines  "), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), {}}};
        const WriteOutcome written = Moodle::Write(draft);
        QCOMPARE(written.questions, 2);
        const ReadOutcome read = Moodle::Read(written.text.toUtf8());
        QVERIFY2(read.leftOut.empty() && read.notes.empty(), qPrintable(QuestionFile::Report(read)));
        QCOMPARE(read.proposedTitle, draft.title);
        QCOMPARE(read.Questions(), draft.questions);
        QCOMPARE(Pictures::Image(*read.questions[0].texts.picture), Drawing());
    }

    // A GIFT file carries a slot's picture inside an [html] question as a
    // data: URI; written and read back, the same texts and the same pixels.
    void giftRoundTrip()
    {
        Picture drawing = *Pictures::FromBytes(Encoded(Drawing(), "PNG")).picture;
        drawing.description = QStringLiteral("A red \"square\" <on> white & {nothing} = ~else: #1 \\ 50%");
        Picture photo = *Pictures::FromBytes(Encoded(Photo(64, 48), "JPEG")).picture;
        photo.description = QStringLiteral("Noise");
        TestDraft draft{QStringLiteral("Maps"), {}, 10,
                        {{QStringLiteral("Which colour is <b>the</b> square?\nLook & see {x} = y: ~z #1 \\ [html]"),
                          QStringLiteral("[x] Red"), QStringLiteral("%5 -> 6"), QStringLiteral(" <b>none</b>&amp;"), drawing},
                         {QStringLiteral("[plain] No picture"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), {}},
                         {QStringLiteral("Ελληνικά 👋 &lt;"), QStringLiteral("α"), QStringLiteral("β"), QStringLiteral("γ"), photo}}};
        const WriteOutcome written = Gift::Write(draft);
        QCOMPARE(written.notes, QStringList{QStringLiteral("Questions 1 and 3: a picture, written inside the question as HTML "
                                                           "(a data: URI); other tools may not show pictures in GIFT.")});
        const ReadOutcome read = Gift::Read(written.text.toUtf8());
        QCOMPARE(Read(read), (QStringList{
            QStringLiteral("3:Which colour is <b>the</b> square?\nLook & see {x} = y: ~z #1 \\ [html]|[x] Red|%5 -> 6| <b>none</b>&amp;|"
                           "png 40x30 A red \"square\" <on> white & {nothing} = ~else: #1 \\ 50%"),
            QStringLiteral("9:[plain] No picture|a|b|c"), QStringLiteral("15:Ελληνικά 👋 &lt;|α|β|γ|jpeg 64x48 Noise")}));
        QCOMPARE(read.Questions(), draft.questions);  // the picture bytes too
        QCOMPARE(Pictures::Image(*read.questions[0].texts.picture), Drawing());
        QCOMPARE(Pictures::Image(*read.questions[2].texts.picture), Pictures::Image(photo));

        // The picture question as written, worked out by hand: HTML escaped,
        // then GIFT's escapes; the answers marked [plain].
        const QByteArray dot = Encoded(QImage(1, 1, QImage::Format_RGB32), "PNG");
        Picture small = *Pictures::FromBytes(dot).picture;
        small.description = QStringLiteral("A \"dot\" & more");
        const QString base64 = QString::fromLatin1(dot.toBase64()).replace(QStringLiteral("="), QStringLiteral("\\="));
        QCOMPARE(Gift::Write({{}, {}, 0, {{QStringLiteral("1 < 2:\nyes"), QStringLiteral("[a]"), QStringLiteral("b"),
                                           QStringLiteral("c"), small}}}).text,
                 QStringLiteral("::Q1:: [html]<p>1 &lt; 2\\:<br>yes</p><p><img src\\=\"data\\:image/png;base64,") + base64
                     + QStringLiteral("\" alt\\=\"A &quot;dot&quot; &amp; more\"></p> {\n\t=[plain][a]\n\t~[plain]b\n\t~[plain]c\n}\n\n"));

        // HTML keeps no blank at the edge of a line and no run of blanks: said so.
        const WriteOutcome blanks = Gift::Write({{}, {}, 0, {{QStringLiteral(" Two  blanks\n"), QStringLiteral("a"),
                                                              QStringLiteral("b"), QStringLiteral("c"), small}}});
        QCOMPARE(blanks.notes.value(1), QStringLiteral("Question 1: blanks at the start or end of a line, or several in a "
                                                       "row, in a question written as HTML for its picture; reading the "
                                                       "file back gives one blank or none for each."));
        QCOMPARE(Gift::Read(blanks.text.toUtf8()).questions.at(0).texts.question, QStringLiteral("Two blanks"));
        small.description = QStringLiteral("Two  blanks");
        QCOMPARE(Gift::Write({{}, {}, 0, {{QStringLiteral("q"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), small}}})
                     .notes.size(), 2);
        // Aiken carries no picture, and says so.
        QCOMPARE(Aiken::Write({{}, {}, 0, {{QStringLiteral("q"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), small}}})
                     .notes,
                 QStringList{QStringLiteral("Question 1: picture left out (Aiken carries no pictures).")});
    }

    // Pictures in GIFT as other tools and teachers write them: each image
    // type Qt reads, whatever type the URI names; no alt text; two pictures;
    // damaged or unreadable data; a linked picture; HTML only.
    void giftImportReports()
    {
        const QByteArray png = Encoded(Drawing(), "PNG").toBase64();
        const QByteArray gif = "R0lGODlhAQABAIAAAP///wAAACwAAAAAAQABAAACAkQBADs=";  // one white pixel; Qt writes no GIF
        const QByteArray bmp = Encoded(Drawing(), "BMP").toBase64();
        const QByteArray file =
            "::Dot::[html]<p>Which colour?</p><img alt=\" A red&amp;  white\n square \" src=\"data:image/png;base64," + png
            + "\"> {=red ~blue ~green}\n\n"
              "[html]GIF, no alt: <IMG SRC='DATA:image/gif;BASE64," + gif + "'> {=a ~b ~c}\n\n"
              "[html]BMP named JPEG <img src=\"data:image/jpeg;base64," + bmp.left(40) + "\n" + bmp.mid(40) + "\" alt=\"" + QByteArray(249, 'd') + "\xF0\x9F\x91\x8B" + QByteArray(9, 'd') + "\">{=a ~b ~c}\n\n"
              "[html]Two <img src=\"data:image/png;base64," + png + "\" alt=\"first\"> <img src=\"data:image/gif;base64," + gif
            + "\" alt=\"second\"> {=a ~b ~c}\n\n"
              "[html]Broken <img src=\"data:image/png;base64,iVBOR!w0K\" alt=\"b\"> {=a ~b ~c}\n\n"
              "[html]Text <img src=\"data:image/png;base64,aGVsbG8=\" alt=\"t\"> {=a ~b ~c}\n\n"
              "[html]Not base64 <img src=\"data:image/svg+xml,<svg/>\" alt=\"s\"> {=a ~b ~c}\n\n"
              "[html]Linked <img src=\"cat.png\" alt=\"cat\"> then <img src=\"data:image/png;base64," + png
            + "\" alt=\"kept\"> {=a ~b ~c}\n\n"
              "Plain <img src=\"data:image/png;base64," + png + "\" alt=\"p\"> {=a ~b ~c}\n";
        QTemporaryDir files;
        const QuestionFile::Loaded loaded = QuestionFile::Load(WriteFile(files, QStringLiteral("pictures.gift"), file));
        QCOMPARE(Read(loaded.outcome), (QStringList{
            QStringLiteral("1:Which colour?|red|blue|green|png 40x30 A red& white square"),
            QStringLiteral("4:GIF, no alt:|a|b|c|gif 1x1 Picture"),
            QStringLiteral("6:BMP named JPEG|a|b|c|bmp 40x30 ") + QString(249, u'd'),  // never half a character
            QStringLiteral("9:Two [second]|a|b|c|png 40x30 first"),
            QStringLiteral("11:Broken [b]|a|b|c"),
            QStringLiteral("13:Text [t]|a|b|c"),
            QStringLiteral("15:Not base64 [s]|a|b|c"),
            QStringLiteral("17:Linked [cat] then|a|b|c|png 40x30 kept"),
            QStringLiteral("19:Plain <img src=\"data:image/png;base64,") + QString::fromLatin1(png) + QStringLiteral("\" alt=\"p\">|a|b|c"),
            QStringLiteral("note Line 4: Its picture has no alt text; write a description for it in the question editor."),
            QStringLiteral("note Line 6: Its picture's alt text has 260 characters; the first 250 are its description."),
            QStringLiteral("note Line 9: 2 pictures; a question keeps one, the first in a data: URI, and the alt text of "
                           "the others stays in brackets."),
            QStringLiteral("note Line 11: Its picture is left out, its alt text in brackets: The picture's base64 text is damaged."),
            QStringLiteral("note Line 13: Its picture is left out, its alt text in brackets: The file is not a picture this "
                           "program can show (PNG, JPEG, GIF, BMP or WebP)."),
            QStringLiteral("note Line 15: Its picture is left out, its alt text in brackets: The data: URI holds no picture "
                           "in base64 (data:image/…;base64,…)."),
            QStringLiteral("note Line 17: 2 pictures; a question keeps one, the first in a data: URI, and the alt text of "
                           "the others stays in brackets.")}));
        QCOMPARE(Pictures::Image(*loaded.outcome.questions[0].texts.picture), Drawing());
        QCOMPARE(Pictures::Image(*loaded.outcome.questions[1].texts.picture).pixel(0, 0), qRgb(255, 255, 255));
        // A GIFT file over 10 MB, as pictures make one, is read whole.
        const QString big = WriteFile(files, QStringLiteral("big.gift"), "[html]Big<!--" + QByteArray(10'000'000, 'x')
                                                                             + "--><img src=\"data:image/png;base64," + png
                                                                             + "\" alt=\"big\"> {=a ~b ~c}\n");
        QCOMPARE(Read(QuestionFile::Load(big).outcome), QStringList{QStringLiteral("1:Big|a|b|c|png 40x30 big")});
        QCOMPARE(Pictures::Image(*loaded.outcome.questions[2].texts.picture).convertToFormat(QImage::Format_RGB32), Drawing());
    }

    // What cannot be used is named with its line; a broken file is refused at its line.
    void moodleImportReports()
    {
        const QByteArray png = Encoded(Drawing(), "PNG").toBase64();
        const QByteArray file = "<?xml version=\"1.0\"?>\n<quiz>\n"
            "<question type=\"category\"><category><text>$course$/Top/Rivers</text></category></question>\n"
            "<question type=\"truefalse\"><name><text>TF</text></name>\n"
            "<answer fraction=\"100\"><text>true</text></answer><answer fraction=\"0\"><text>false</text></answer></question>\n"
            "<question type=\"multichoice\"><questiontext format=\"html\"><text>Four?</text></questiontext>\n"
            "<answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer>"
            "<answer fraction=\"0\"><text>c</text></answer><answer fraction=\"0\"><text>d</text></answer></question>\n"
            "<question type=\"multichoice\"><questiontext format=\"html\"><text>Half?</text></questiontext>\n"
            "<answer fraction=\"50\"><text>a</text></answer><answer fraction=\"50\"><text>b</text></answer>"
            "<answer fraction=\"0\"><text>c</text></answer></question>\n"
            "<question type=\"multichoice\">\n<questiontext format=\"html\"><text><![CDATA[<p>The <i>Nile</i>:</p>"
            "<img src=\"@@PLUGINFILE@@/nile%20map.png\" alt=\"A map of the Nile\">]]></text>\n"
            "<file name=\"nile map.png\" path=\"/\" encoding=\"base64\">" + png + "</file></questiontext>\n"
            "<answer fraction=\"100.0000000\" format=\"plain_text\"><text>Egypt</text></answer>"
            "<answer fraction=\"0\"><text>Peru</text></answer><answer fraction=\"0\"><text>Chad</text></answer></question>\n"
            "</quiz>\n";
        const ReadOutcome read = Moodle::Read(file);
        QCOMPARE(QuestionFile::Report(read),
                 QStringLiteral("Questions that can be used: 1.\nQuestions left out: 3.\n"
                                "Line 4: \"TF\": a question of type \"truefalse\"; only multiple choice (multichoice) can be used.\n"
                                "Line 6: 4 answers; the program needs exactly three, one right (fraction 100) and two false (fraction 0).\n"
                                "Line 8: Answers of fractions other than one of 100 and two of 0; the program counts an answer "
                                "only as right or false."));
        QCOMPARE(read.proposedTitle, QStringLiteral("Rivers"));
        QCOMPARE(read.questions[0].line, 10);
        const DraftQuestion& nile = read.questions[0].texts;
        QCOMPARE(nile.question + u'|' + nile.answer + u'|' + nile.picture->description, QStringLiteral("The Nile:|Egypt|A map of the Nile"));
        QCOMPARE(Pictures::Image(*nile.picture), Drawing());

        const ReadOutcome broken = Moodle::Read("<?xml version=\"1.0\"?>\n<quiz>\n<question type=\"multichoice\">\n</quiz>\n");
        QVERIFY(broken.Refused() && broken.questions.empty());
        QCOMPARE(broken.refusal.line, 4);
    }

    // The editor refuses a file that is no picture and a picture without a
    // description; the stored picture comes back on the slot, is shown under
    // the question on the test screen and in the review (on a lab workstation
    // through the student's own role) and goes with its test.
    void editorAndTestScreen()
    {
        TestEnv env;
        const qint64 test = env.AddTest(QStringLiteral("Rivers"));
        QTemporaryDir files;
        const QString junk = WriteFile(files, QStringLiteral("junk.png"), "PNG? no");
        const QString png = WriteFile(files, QStringLiteral("square.png"), Encoded(Drawing(), "PNG"));
        frmAdmin& admin = SignInAdmin();
        env.fake.modalUsers.push_back([](QWidget& window) { Click(static_cast<frmNewTestIntro&>(window).cmdNext); });
        PickRow(admin.lstTests, 0);
        Click(admin.cmdEdit);
        frmNewTest& editor = Screens::Get<frmNewTest>();

        env.fake.fileChoices = {{junk, 0}};
        Click(editor.cmdPicture);
        QVERIFY(LastBox(env.fake).startsWith(QStringLiteral("This file cannot be used as the question's picture.\n")));
        QVERIFY(editor.imgPicture->pixmap().isNull() && !editor.cmdRemovePicture->isEnabled());
        env.fake.fileChoices = {{png, 0}};
        Click(editor.cmdPicture);
        QCOMPARE(editor.imgPicture->pixmap().size(), QSize(160, 120));
        // Tab walks the four texts first and the picture's controls last, so
        // that typing after the question never presses a picture button.
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.txtQuestion->setFocus();
        QStringList walked;
        for (int step = 0; step < 9; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(walked, (QStringList{"txtAnswer", "txtPhony1", "txtPhony2", "cmdPrev", "cmdNext", "cmdPicture",
                                      "txtPictureDescription", "cmdRemovePicture", "cmdSave"}));
        Click(editor.cmdNext);  // no description: refused, still on slot 1, nothing stored
        QCOMPARE(LastBox(env.fake), QStringLiteral("A picture needs a description for students who cannot see it. Type one in "
                                                   "the box under the picture, or remove the picture.|Picture|OK"));
        QCOMPARE(editor.CurrentQuestion, std::int16_t(1));
        QCOMPARE(PictureCount(env), 0);
        TypeInto(editor.txtPictureDescription, QStringLiteral("A red square"));
        Click(editor.cmdNext);
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestNumber, fldSlot, fldFormat, fldWidth, fldHeight, fldDescription FROM Pictures")),
                 QStringList{QStringLiteral("%1|1|png|40|30|A red square").arg(test)});
        QVERIFY(editor.imgPicture->pixmap().isNull());  // slot 2 has none
        Click(editor.cmdPrev);
        QCOMPARE(editor.txtPictureDescription->text(), QStringLiteral("A red square"));
        env.fake.answers = {MsgAnswer::No, MsgAnswer::Yes};
        Click(editor.cmdRemovePicture);  // asked first: No keeps it
        QCOMPARE(LastBox(env.fake), QStringLiteral("Remove this question's picture?|Remove Picture|YesNo"));
        QVERIFY(!editor.imgPicture->pixmap().isNull());
        Click(editor.cmdRemovePicture);
        Click(editor.cmdNext);
        QCOMPARE(PictureCount(env), 0);
        Click(editor.cmdPrev);
        env.fake.fileChoices = {{png, 0}};
        Click(editor.cmdPicture);
        TypeInto(editor.txtPictureDescription, QStringLiteral("A red square"));
        editor.close();  // stored as Exit stores
        QCOMPARE(PictureCount(env), 1);
        EndProgram();

        const qint64 ann = env.AddStudent(QStringLiteral("Ann"), QStringLiteral("a"));
        SignIn(env, ann);
        frmQuestions& screen = Take(env, QStringLiteral("Rivers"));
        PictureView& view = *screen.picQuestion;
        QVERIFY(view.isVisible());
        QCOMPARE(view.accessibleName(), QStringLiteral("A red square"));
        screen.resize(1000, 800);
        ProcessEvents();
        QCOMPARE(view.ShownSize(), QSize(40, 30));  // never enlarged
        QTRY_VERIFY(view.Decoded());  // the stored bytes read back whole
        const QImage drawn = view.grab().toImage();
        QCOMPARE(drawn.pixelColor((drawn.width() - 40) / 2 + 15, 10), QColor(Qt::red));
        view.resize(20, 200);
        QCOMPARE(view.ShownSize(), QSize(20, 15));  // scaled to the space
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_Return);
        auto* window = view.findChild<QDialog*>(QStringLiteral("PictureWindow"));
        QVERIFY(window && window->isVisible());
        QTest::keyClick(window, Qt::Key_Escape);
        ProcessEvents();
        QVERIFY(!view.findChild<QDialog*>(QStringLiteral("PictureWindow")));
        Click(screen.cmdNext);
        QVERIFY(!view.isVisible());
        // The review shows it again once the attempt is finished.
        env.fake.answers = {MsgAnswer::Yes};
        Click(screen.cmdDone);
        frmMain& home = Screens::Get<frmMain>();
        PickRow(home.lstResults, 0);
        Click(home.cmdReview);
        const PictureView& reviewed = *Screens::Get<frmAnswers>().picQuestion;
        QVERIFY(reviewed.isVisible());
        QCOMPARE(reviewed.accessibleName(), QStringLiteral("A red square"));
        EndProgram();

        env.Exec(QStringLiteral("DELETE FROM Tests WHERE fldTestNumber = ?"), {test});
        QCOMPARE(PictureCount(env), 0);
    }

    // The view keeps the picture's room from its stored size at once and
    // draws the pixels when they are decoded: only the last picture asked
    // for, none for bytes that are no picture, and all of it when it is
    // opened before its pixels came.
    void decodedAwayFromTheScreen()
    {
        QWidget host;
        host.resize(200, 200);
        PictureView view(&host);
        view.resize(100, 100);
        QImage solid(30, 40, QImage::Format_RGB32);
        solid.fill(Qt::blue);
        Picture blue = *Pictures::FromBytes(Encoded(solid, "PNG")).picture;
        blue.description = QStringLiteral("A blue bar");
        Picture red = *Pictures::FromBytes(Encoded(Drawing(), "PNG")).picture;
        red.description = QStringLiteral("A red square");
        QSignalSpy ended(&view, &PictureView::DecodingEnded);
        const auto settled = [&](int count) {
            if (!QTest::qWaitFor([&] { return ended.count() >= count; }, 5000))
                return false;
            QTest::qWait(50);  // a decoding dropped earlier would have ended by now
            return ended.count() == count;
        };

        view.Show(red);
        QVERIFY(view.isVisibleTo(&host) && !view.Decoded());
        QCOMPARE(view.sizeHint(), QSize(40, 30));
        view.Show(blue);
        QCOMPARE(view.sizeHint(), QSize(30, 40));
        QVERIFY(settled(1));
        QCOMPARE(view.accessibleName(), QStringLiteral("A blue bar"));
        const QImage drawn = view.grab().toImage();
        QCOMPARE(drawn.pixelColor(50, 20), QColor(Qt::blue));  // centred, 30 wide
        QVERIFY(drawn.pixelColor(50, 60) != QColor(Qt::blue));  // and 40 high, not blown up to the 100 it has
        QCOMPARE(view.ShownSize(), QSize(30, 40));

        view.Show(Picture{"no picture at all", QStringLiteral("png"), 40, 30, QStringLiteral("Junk")});
        QVERIFY(view.isVisibleTo(&host));
        QVERIFY(settled(2));
        QVERIFY(!view.isVisibleTo(&host) && !view.Decoded());
        QCOMPARE(view.ShownSize(), QSize());

        Picture unsized = red;
        unsized.width = unsized.height = 0;
        view.Show(unsized);
        QVERIFY(!view.isVisibleTo(&host));
        QVERIFY(settled(3));
        QVERIFY(view.isVisibleTo(&host));
        QCOMPARE(view.sizeHint(), QSize(40, 30));

        view.Show(std::nullopt);
        QVERIFY(!view.isVisibleTo(&host));
        view.Show(red);
        QDialog* window = view.OpenFullSize();
        QVERIFY(window);
        QCOMPARE(window->findChild<QLabel*>()->pixmap().toImage().pixelColor(15, 10), QColor(Qt::red));
        QVERIFY(settled(4));
    }

    // A database of the version before pictures gets the table and its rule, its rows kept.
    void upgradeAddsPictures()
    {
        TestEnv env;
        if (env.OnLab())
            QSKIP("a lab workstation's role owns no table to bring forward; labdb does");
        env.AddTest(QStringLiteral("Old"));
        env.Exec(QStringLiteral("DROP TABLE Pictures"));
        if (!TestEnv::OnServer())
            env.Exec(QStringLiteral("DROP TRIGGER PicturesGoWithTheirTest"));
        env.Exec(TestEnv::OnServer() ? QStringLiteral("UPDATE SchemaVersion SET fldVersion = 5")
                                     : QStringLiteral("PRAGMA user_version = 2"));
        QCOMPARE(FailureOf([&] { env.OpenDatabase(); }), QString());
        QCOMPARE(env.Scalar(TestEnv::OnServer() ? QStringLiteral("SELECT fldVersion FROM SchemaVersion")
                                                : QStringLiteral("PRAGMA user_version")).toInt(),
                 TestEnv::OnServer() ? 8 : 5);
        env.Exec(QStringLiteral("INSERT INTO Pictures VALUES (1, 3, ?, 'png', 40, 30, 'd')"), {Encoded(Drawing(), "PNG")});
        QCOMPARE(env.Rows(QStringLiteral("SELECT fldTestName FROM Tests")), QStringList{"Old"});
        const QString refused = FailureOf([&] { env.Exec(QStringLiteral("INSERT INTO Pictures VALUES (1, 26, 'x', 'png', 1, 1, 'd')")); });
        QVERIFY(!refused.isEmpty());
        env.Exec(QStringLiteral("DELETE FROM Tests"));
        QCOMPARE(PictureCount(env), 0);  // the rule that takes them with their test came too
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
