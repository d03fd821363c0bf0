#include "QtPlatform.h"

#include "app/Language.h"

#include "report/PageModel.h"
#include "report/ReportPrinter.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <QCoreApplication>

namespace {

// Quits a modal loop as soon as its window is hidden or destroyed.
class ModalWatcher : public QObject {
public:
    ModalWatcher(QWidget& form, QEventLoop& loop) : loop_(loop)
    {
        form.installEventFilter(this);
        connect(&form, &QObject::destroyed, &loop, &QEventLoop::quit);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            loop_.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& loop_;
};

}

namespace {

// A box as wide as its title needs, with room for the frame's buttons: a
// short text ("Time Is Up!") would otherwise cut the title off.
void MakeRoomForTitle(QMessageBox& box, const QString& title)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int width = box.fontMetrics().horizontalAdvance(title) + 4 * box.fontMetrics().height() + 60;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

// The window manager's frame around a shown window.
QMargins FrameMargins(const QWidget& window)
{
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The guide's window with its frame: beside the window that asked, at its
// right where the screen has room, else at its left, and pushed back onto
// the screen, never larger than it.
QRect HelpFrame(const QRect& asking, const QSize& wanted, const QRect& screen)
{
    QRect place(QPoint(asking.right() + 1, asking.top()), wanted.boundedTo(screen.size()));
    if (place.right() > screen.right())
        place.moveRight(asking.left() - 1);
    place.moveRight(std::min(place.right(), screen.right()));
    place.moveBottom(std::min(place.bottom(), screen.bottom()));
    place.moveLeft(std::max(place.left(), screen.left()));
    place.moveTop(std::max(place.top(), screen.top()));
    return place;
}

const QSize HelpSize(640, 560);

}

// The guide's window. It keeps the section it was opened at in view until
// it is first drawn: the window manager may size it once more after it is
// shown, and the text is laid out anew at that size.
class HelpViewer : public QTextBrowser {
public:
    void OpenAt(const QString& anchor)
    {
        anchor_ = anchor;
        scrollToAnchor(anchor_);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QTextBrowser::resizeEvent(event);
        if (!anchor_.isEmpty())
            scrollToAnchor(anchor_);
    }
    bool viewportEvent(QEvent* event) override
    {
        const bool handled = QTextBrowser::viewportEvent(event);
        if (event->type() == QEvent::Paint)
            anchor_.clear();
        return handled;
    }

private:
    QString anchor_;
};

QtPlatform::QtPlatform(QString lockFolder) : lockFolder_(std::move(lockFolder)) {}

QtPlatform::~QtPlatform() = default;

MsgAnswer QtPlatform::MsgBox(const QString& text, MsgButtons buttons, const QString& title)
{
    // No parent: the window that asked may be closed while the box is open,
    // and a child box would go with it. Application-modal all the same.
    const QString caption = title.isEmpty() ? ProgramTitle : title;
    QMessageBox box(QMessageBox::NoIcon, caption, text,
                    buttons == MsgButtons::OK ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    if (buttons != MsgButtons::OK)
        box.setDefaultButton(buttons == MsgButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
    MakeRoomForTitle(box, caption);
    const int answer = box.exec();
    if (buttons == MsgButtons::OK)
        return MsgAnswer::OK;
    return answer == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

FileChoice QtPlatform::ChooseFile(FileDialogKind kind, const QString& title, const QStringList& filters,
                                  const QString& suggested)
{
    QFileDialog dialog(nullptr, title, suggested);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(kind == FileDialogKind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(kind == FileDialogKind::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), std::max<int>(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())))};
}

std::optional<int> QtPlatform::AskWholeNumber(const QString& prompt, const QString& title, int least, int most,
                                              int start)
{
    bool accepted = false;
    const int number = QInputDialog::getInt(QApplication::activeWindow(), title, prompt, start, least, most, 1, &accepted);
    return accepted ? std::optional<int>(number) : std::nullopt;
}

void QtPlatform::RunModal(QWidget& form)
{
    QPointer<QWidget> guard(&form);
    QEventLoop loop;
    ModalWatcher watcher(form, loop);
    form.setWindowModality(Qt::ApplicationModal);
    form.show();
    form.raise();
    form.activateWindow();
    KeepHelpUsable();
    if (form.isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (guard) {
        guard->removeEventFilter(&watcher);
        if (!guard->isVisible())
            guard->setWindowModality(Qt::NonModal);
    }
}

QString QtPlatform::TodayShortDate() { return StoredShortDate(QLocale::system(), Today()); }

QDate QtPlatform::Today() { return QDate::currentDate(); }

QString QtPlatform::ShortDateFormat() { return StoredShortDatePattern(QLocale::system()); }

void QtPlatform::Randomize()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float QtPlatform::Rnd()
{
    // 24 random bits over 2^24: every value is exact in single precision and
    // strictly below 1.
    return static_cast<float>(generator_() >> 8) / 16777216.0f;
}

namespace {

// Reports go to the user's Documents folder, or home where there is none.
QString ReportFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

PrintOutcome SaveAsPdf(const PageModel& page)
{
    const SavedReport saved = SaveReportAsPdf(page, ReportFolder(), QDateTime::currentDateTime());
    return PrintOutcome{saved.error.isEmpty(), saved.path, saved.error};
}

}

PrintOutcome PrintOnPrinter(QPrinter& printer, const PageModel& page)
{
    printer.setDocName(QCoreApplication::translate("QtPlatform", "VornickTest report"));
    PrintOutcome outcome;
    outcome.error = DrawReport(page, printer);
    if (outcome.error.isEmpty() && printer.printerState() == QPrinter::Error)
        outcome.error = QCoreApplication::translate("QtPlatform", "The printer %1 reported an error.").arg(printer.printerName());
    outcome.printed = outcome.error.isEmpty();
    return outcome;
}

// Without an installed printer a default QPrinter silently turns into a PDF
// printer with no file name that cannot start, so that case is checked first.
PrintOutcome QtPlatform::Print(const PageModel& page)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        return SaveAsPdf(page);
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    return PrintOnPrinter(printer, page);
}

// A band across the top of the active window, painted at once: the caller
// waits without handling events, so nothing else would paint it.
void QtPlatform::ShowNotice(const QString& text)
{
    delete notice_;
    QWidget* window = QApplication::activeWindow();
    if (text.isEmpty() || !window)
        return;
    auto* notice = new QLabel(text, window);
    notice->setObjectName(QStringLiteral("lblNotice"));
    notice->setWordWrap(true);
    notice->setMargin(12);
    notice->setFrameShape(QFrame::Box);
    notice->setAutoFillBackground(true);
    notice->setBackgroundRole(QPalette::ToolTipBase);
    notice->setForegroundRole(QPalette::ToolTipText);
    notice->setGeometry(0, 0, window->width(), notice->heightForWidth(window->width()));
    notice->show();
    notice->raise();
    notice->repaint();
    notice_ = notice;
}

// The guide opens at the section named like the screen that asked (an
// anchor of HelpFile.hlp), beside that screen. Escape closes it. It is the
// guide of the language in use, or the English one where that is missing.
void QtPlatform::ShowHelp(QWidget* over)
{
    const QString path = ProgramFolder() + u'/' + Language::GuideName(Language::Current());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        file.setFileName(ProgramFolder() + u'/' + Language::GuideName(QStringLiteral("en")));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            MsgBox(QCoreApplication::translate("QtPlatform", "The user guide could not be opened:\n%1").arg(path),
                   MsgButtons::OK, QString());
            return;
        }
    }
    if (!help_) {
        help_ = new HelpViewer;
        help_->setAttribute(Qt::WA_DeleteOnClose);
        help_->setObjectName(QStringLiteral("HelpViewer"));
        help_->setWindowTitle(QCoreApplication::translate("QtPlatform", "VornickTest Help"));
        help_->setOpenExternalLinks(false);
        help_->resize(HelpSize);
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), help_);
        QObject::connect(escape, &QShortcut::activated, help_, &QWidget::close);
    }
    help_->setHtml(QString::fromUtf8(file.readAll()));
    if (over) {
        const QMargins frame = FrameMargins(*over);
        const QSize wanted = HelpSize.grownBy(frame);
        help_->setGeometry(HelpFrame(over->frameGeometry(), wanted, over->screen()->availableGeometry()) - frame);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
    KeepHelpUsable();
    help_->OpenAt(over ? over->objectName() : QString());
}

// A modal screen blocks input to every other window; the guide, made
// transient to the modal screen (not its child: it outlives that screen),
// still scrolls and closes.
void QtPlatform::KeepHelpUsable()
{
    if (!help_ || !help_->isVisible())
        return;
    const QWidget* modal = QApplication::activeModalWidget();
    help_->windowHandle()->setTransientParent(modal ? modal->windowHandle() : nullptr);
}

QString QtPlatform::LockPath() const
{
    QString folder = lockFolder_;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder + QStringLiteral("/VornickTest.lock");
}

// Only a running copy keeps the program from starting. A lock file that no
// running copy holds (left by a copy that was killed, empty, garbled) is taken
// over: every lock file counts as stale at once, and Qt removes a stale one
// only when no live process holds it locked. The short wait covers a copy
// starting at the same moment that has created its file but not yet written it.
bool QtPlatform::AnotherCopyRunning()
{
    instanceLock_ = std::make_unique<QLockFile>(LockPath());
    instanceLock_->setStaleLockTime(1);
    if (instanceLock_->tryLock(100))
        return false;
    qint64 pid = 0;
    QString host;
    QString application;
    if (instanceLock_->error() == QLockFile::LockFailedError && instanceLock_->getLockInfo(&pid, &host, &application))
        return true;
    // Something that is no lock of ours is in the way (a folder, a file or
    // folder that cannot be written): a user would rather have the program
    // than the guard, so it starts without one and says why on its console.
    std::fprintf(stderr, "VornickTest: started without the single-instance lock %s (error %d)\n",
                 qPrintable(instanceLock_->fileName()), static_cast<int>(instanceLock_->error()));
    instanceLock_.reset();
    return false;
}

void QtPlatform::EndProgram(int exitCode)
{
    // Every store is already on disk; ending at once runs no handler and no
    // unload, as a program end should.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

QString QtPlatform::ProgramFolder() { return QCoreApplication::applicationDirPath(); }
