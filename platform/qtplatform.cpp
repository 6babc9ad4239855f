#include "platform/qtplatform.h"

#include "platform/maximisedwindowsize.h"
#include "platform/recentlyused.h"
#include "platform/tilingdesktop.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

#include <chrono>

namespace platform {
namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::SaveDiscardCancel:
        return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case MessageButtons::RecoverDiscardLater:
        return QMessageBox::Discard;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

QtPlatform::QtPlatform(QObject* parent)
    : Platform(parent), m_tiling(desktopTiles(QProcessEnvironment::systemEnvironment())),
      m_random(static_cast<std::mt19937_64::result_type>(
                   std::chrono::high_resolution_clock::now().time_since_epoch().count()) ^
               std::random_device{}()) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::availableGeometryChanged, this, &Platform::workAreaChanged);
}

FileChoice QtPlatform::choose(const FileChooserRequest& request, bool save) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.startFolder,
                       request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QStringList filters = request.filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    if (save)
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    FileChoice choice;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return choice;
    choice.cancelled = false;
    choice.fileName = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    choice.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (choice.filterIndex < 1)
        choice.filterIndex = 1;
    return choice;
}

FileChoice QtPlatform::chooseOpenFile(const FileChooserRequest& request) {
    return choose(request, false);
}

FileChoice QtPlatform::chooseSaveFile(const FileChooserRequest& request) {
    return choose(request, true);
}

MessageAnswer QtPlatform::showMessage(const MessageRequest& message) {
    QMessageBox box(toQtIcon(message.icon), message.title, message.text,
                    toQtButtons(message.buttons), QApplication::activeWindow());
    QAbstractButton* recover = nullptr;
    QAbstractButton* later = nullptr;
    if (message.buttons == MessageButtons::RecoverDiscardLater) {
        recover = box.addButton(QObject::tr("&Recover"), QMessageBox::AcceptRole);
        later = box.addButton(QObject::tr("&Later"), QMessageBox::RejectRole);
        box.setDefaultButton(static_cast<QPushButton*>(recover));
        box.setEscapeButton(later);
    } else if (message.buttons == MessageButtons::SaveDiscardCancel) {
        box.setDefaultButton(QMessageBox::Save);
    }
    const int answer = box.exec();
    if (recover && box.clickedButton() == recover)
        return MessageAnswer::Recover;
    if (later && box.clickedButton() == later)
        return MessageAnswer::Later;
    switch (answer) {
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Save:
        return MessageAnswer::Save;
    case QMessageBox::Discard:
        return MessageAnswer::Discard;
    default:
        break;
    }
    // Closing a box without a Cancel button answers its first button.
    return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

QSize QtPlatform::workArea() const {
    if (m_maximised && m_maximised->known())
        return m_maximised->size();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 738);
}

// A Wayland client learns neither the work area nor where its windows are:
// QScreen::availableGeometry() is the whole output there. A tiling desktop, on
// X11 too, gives the window a part of the screen that no work area tells.
void QtPlatform::takeWorkAreaFrom(QWidget* window) {
    if (m_maximised ||
        !(m_tiling || QGuiApplication::platformName().startsWith(QLatin1String("wayland"))))
        return;
    m_maximised = new MaximisedWindowSize(window,
                                          m_tiling ? MaximisedWindowSize::Desktop::Tiling
                                                   : MaximisedWindowSize::Desktop::Stacking,
                                          this);
    connect(m_maximised, &MaximisedWindowSize::changed, this, &Platform::workAreaChanged);
}

bool QtPlatform::workAreaKnown() const {
    return !m_maximised || m_maximised->known();
}

QString QtPlatform::programFolder() const {
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::cacheFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

// An installed program has its desktop entry in the data folder beside its own.
bool QtPlatform::runsInstalled() const {
    const QString entry = QGuiApplication::desktopFileName();
    return !entry.isEmpty() &&
           QFileInfo::exists(
               QDir(programFolder())
                   .filePath(QStringLiteral(INSTALLED_DATA_FROM_BIN "/applications/") + entry +
                             QStringLiteral(".desktop")));
}

double QtPlatform::nextRandom() {
    return static_cast<double>(m_random() >> 11) * 0x1.0p-53; // 53 random bits, never 1
}

} // namespace platform

namespace platform {
namespace {

const QString kRecentFilesKey = QStringLiteral("RecentFiles");

// The program's own settings: $XDG_CONFIG_HOME/<program>/<program>.conf.
QSettings programSettings() {
    const QString program = QCoreApplication::applicationName();
    return QSettings(QSettings::UserScope, program, program);
}

} // namespace

QStringList QtPlatform::recentFiles() const {
    return programSettings().value(kRecentFilesKey).toStringList();
}

void QtPlatform::setRecentFiles(const QStringList& files) {
    programSettings().setValue(kRecentFilesKey, files);
}

void QtPlatform::noteRecentlyUsed(const QString& file, const QString& mimeType) {
    addRecentUse(recentlyUsedFile(), {file, mimeType, QCoreApplication::applicationName(),
                                      QDateTime::currentDateTimeUtc()});
}

bool QtPlatform::openInDesktop(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace platform
