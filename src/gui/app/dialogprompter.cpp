#include "app/dialogprompter.h"

#include "messages.h"
#include "app/pictureexportdialog.h"
#include "common/backgroundwork.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTimer>

namespace vantrel {

namespace {

QString caption()
{
    return QString::fromUtf8(msg::kApplicationName);
}

}  // namespace

void DialogPrompter::message(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, caption(), text, QMessageBox::Ok, m_parent);
    box.exec();
}

int DialogPrompter::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

bool DialogPrompter::watch(const QString& text, BackgroundWork& work)
{
    QProgressDialog dialog(text, QCoreApplication::translate("vantrel::DialogPrompter", "Cancel"), 0, 1000,
                           m_parent);
    dialog.setWindowTitle(caption());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (work.finished()) {
            dialog.accept();
            return;
        }
        // Work that has not counted a piece yet shows as busy, not as stuck at 0 %.
        const int done = work.permille();
        dialog.setMaximum(done == 0 ? 0 : 1000);
        dialog.setValue(done);
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] { work.cancel(); });
    poll.start(50);
    // The busy cursor of the work would hide that Cancel can be pressed.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    dialog.exec();
    QGuiApplication::restoreOverrideCursor();
    if (dialog.wasCanceled())
        work.cancel();
    work.wait();
    return !work.cancelled();
}

bool DialogPrompter::question(const QString& text, Default byDefault)
{
    QMessageBox box(QMessageBox::Warning, caption(), text, QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(byDefault == Default::Cancel ? QMessageBox::Cancel : QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

QStringList DialogPrompter::qtFilters(const QString& filters)
{
    QStringList parts = filters.split(QLatin1Char('|'));
    while (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast();
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        }
        QString label = parts[i].trimmed();
        // The label usually names its patterns already, as in "DAT File(*.dat)":
        // drop that part so the dialog shows them once, in Qt's own spelling.
        static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
        label.remove(trailingPatterns);
        if (label.isEmpty())
            label = parts[i + 1].trimmed();
        result << QStringLiteral("%1 (%2)").arg(label, patterns.join(QLatin1Char(' ')));
    }
    return result;
}

FileChoice DialogPrompter::runFileDialog(const QString& filters, Mode mode, QStringList* paths)
{
    const bool save = mode == Mode::Save;
    QFileDialog dialog(m_parent, caption());
    const QStringList names = qtFilters(filters);
    dialog.setNameFilters(names);
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The program appends the extension of the chosen filter itself and,
        // like the original dialog, replaces an existing file without asking.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(mode == Mode::OpenSeveral ? QFileDialog::ExistingFiles
                                                     : QFileDialog::ExistingFile);
    }
    FileChoice choice;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return choice;
    choice.accepted = true;
    choice.path = dialog.selectedFiles().first();
    if (paths)
        *paths = dialog.selectedFiles();
    choice.filterIndex = std::max<qsizetype>(0, names.indexOf(dialog.selectedNameFilter()));
    return choice;
}

FileChoice DialogPrompter::openFile(const QString& filters)
{
    return runFileDialog(filters, Mode::Open);
}

FileChoices DialogPrompter::openFiles(const QString& filters)
{
    QStringList paths;
    const FileChoice one = runFileDialog(filters, Mode::OpenSeveral, &paths);
    return {one.accepted, paths, one.filterIndex};
}

void DialogPrompter::notice(const QString& text)
{
    // Not modal: the work goes on and the note stays until it is closed.
    auto* box = new QMessageBox(QMessageBox::Information, caption(), text, QMessageBox::Ok, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

int DialogPrompter::choose(const QString& text, const QStringList& items, int current)
{
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(caption());
    dialog.setLabelText(text);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    if (current >= 0 && current < items.size())
        dialog.setTextValue(items[current]);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return static_cast<int>(items.indexOf(dialog.textValue()));
}

FileChoice DialogPrompter::saveFile(const QString& filters)
{
    return runFileDialog(filters, Mode::Save);
}

PictureChoice DialogPrompter::exportPicture(const QSize& size)
{
    PictureExportDialog dialog(size, m_parent);
    dialog.exec();
    return dialog.choice();
}

bool DialogPrompter::print(QPrinter& printer, int fromPage, int toPage)
{
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(QCoreApplication::translate("DialogPrompter", "Print"));
    dialog.setMinMax(fromPage, toPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, toPage > fromPage);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

bool DialogPrompter::pageSetup(QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vantrel
