// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/outside_programs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "core/user_interface.h"
#include "ui/editor_placement.h"
#include "ui/text_edge.h"
#include "ui/window_interface.h"

namespace talve::ui {
namespace {

// PDF viewers tried when the desktop names no program for PDF files.
const char* const kPdfViewers[] = {"evince", "okular", "qpdfview", "mupdf"};
// Web browsers, the desktop's choice first.
const char* const kBrowsers[] = {"x-www-browser", "firefox-esr", "firefox", "chromium", "google-chrome"};

// The desktop file of the program the desktop opens PDF files with, ""
// when it names none (or has no xdg-utils).
QString desktop_pdf_program() {
  if (QStandardPaths::findExecutable("xdg-mime").isEmpty()) return {};
  QProcess query;
  query.start("xdg-mime", {"query", "default", "application/pdf"});
  if (!query.waitForFinished(3000)) {
    query.kill();
    query.waitForFinished(1000);
    return {};
  }
  if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return {};
  return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

bool start_first_found(const char* const* first, const char* const* last, const QStringList& arguments,
                       const QString& working_folder) {
  for (const char* const* name = first; name != last; ++name)
    if (start_program(QString::fromLatin1(*name), arguments, working_folder)) return true;
  return false;
}

}  // namespace

QString program_data_folder() {
  if (const QString chosen = qEnvironmentVariable("TALVE_DATA_DIR"); !chosen.isEmpty())
    return QDir(chosen).absolutePath();
  const QDir program(QCoreApplication::applicationDirPath());
  const QString installed = program.absoluteFilePath("../share/talve");
  if (program.dirName() == "bin" && QFileInfo(installed).isDir()) return QDir::cleanPath(installed);
  return program.absolutePath();
}

bool start_program(const QString& program, const QStringList& arguments, const QString& working_folder,
                   qint64* pid) {
  const QString found = QStandardPaths::findExecutable(program);
  if (found.isEmpty()) return false;
  return QProcess::startDetached(found, arguments, working_folder, pid);
}

void open_manual(WindowInterface& ui) {
  const QString folder = program_data_folder();
  const QString manual = QDir(folder).absoluteFilePath(kManualName);
  if (!QFileInfo(manual).isFile()) {
    ui.ask(MessageType::Warning, kOkButton, from_qstring("<" + manual + "> introuvable"));
    return;
  }
  if (!desktop_pdf_program().isEmpty() && start_program("xdg-open", {manual}, folder)) return;
  if (start_first_found(std::begin(kPdfViewers), std::end(kPdfViewers), {manual}, folder)) return;
  // A browser shows PDF files too; it takes an address, blanks as %20.
  const QString address = QUrl::fromLocalFile(manual).toString(QUrl::FullyEncoded);
  if (start_first_found(std::begin(kBrowsers), std::end(kBrowsers), {address}, folder)) return;
  ui.ask(MessageType::Warning, kOkButton, "Firefox et Acrobat introuvables");
}

void open_update_page(WindowInterface& ui) {
  const QString page = QString::fromLatin1(kUpdatePage);
  if (QDesktopServices::openUrl(QUrl(page))) return;
  ui.ask(MessageType::Warning, kOkButton,
         from_qstring(" Aucun navigateur pour ouvrir la page <" + page + ">\n\n"));
}

QString editor_missing_text(const QString& editor_program) {
  if (editor_program.toUpper().contains("NOTEPAD++"))
    return QStringLiteral("  Notepad++ non installé...\n\n");
  return QStringLiteral("  Notepad non trouvé...\n\n");
}

bool start_editor(const QString& file, const QString& editor_program, QWidget* window) {
  const QString name = editor_program.trimmed();
  qint64 pid = 0;
  if (!name.isEmpty() && start_program(name, {file}, QFileInfo(file).absolutePath(), &pid)) {
    place_editor_window(pid, window);
    return true;
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace talve::ui
