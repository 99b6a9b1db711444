#pragma once

#include "app/translations.h"

#include <QApplication>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>

namespace vantrel {

class CMainFrame;
class Prompter;

/// The application: names and settings, the interface language, the prompter, the
/// main frame, and the application's commands (New, the graphs, About, Help,
/// About Company, Exit, the recent files).
class CVantrelApp : public QApplication {
    Q_OBJECT
public:
    static constexpr const char* kOrganisation = "应用程序向导生成的本地应用程序";
    static constexpr const char* kAppId = "Selvo Software.AppID.NoVersion";
    static constexpr const char* kHelpFile = "help.doc";
    static constexpr const char* kMakerAddressKey = "MakerAddress";
    static constexpr const char* kDefaultMakerAddress = "www.selvo-software.com";

    /// Sets the application name (also the name the settings are kept under)
    /// and the organisation. Tests rename the application afterwards.
    CVantrelApp(int& argc, char** argv);
    ~CVantrelApp() override;

    static CVantrelApp* instance();

    /// Start-up: main frame (which applies the stored look),
    /// commands. Shows the main window unless `show` is false.
    bool InitInstance(bool show = true);
    /// Deletes the main frame.
    int ExitInstance();

    CMainFrame* mainFrame() const { return m_mainFrame; }

    Translations::Language language() const { return m_translations.language(); }
    /// Chooses the interface language; call before InitInstance (the default
    /// is the system's, see Translations::forSystem()).
    void setLanguage(Translations::Language language) { m_translations.use(language); }

    Prompter& prompter();
    /// Replaces the prompter; the application does not own it. nullptr brings
    /// back the dialog prompter.
    void setPrompter(Prompter* prompter) { m_prompterOverride = prompter; }

    /// Ends the process at once (Exit, answered with Cancel). Tests replace it.
    using ExitFunction = std::function<void(int status)>;
    void setExitFunction(ExitFunction fn) { m_exit = std::move(fn); }

    /// Hands a web address or a local document to the desktop. Only http and
    /// https addresses and local files are opened; false for anything else.
    bool openExternal(const QUrl& url);
    using UrlOpener = std::function<bool(const QUrl&)>;
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    /// The maker's web address from the settings ("MakerAddress"), as a URL:
    /// a bare host name becomes an http address.
    QUrl makerAddress() const;

    /// Opens files from outside the program (its command line, a drop on the
    /// main window) as File > Open would. A survey file (.dat, .csv or any
    /// other name) goes through the data commands' open; a project
    /// (kProjectSuffix) opens as Open Project does. Only the first survey
    /// file opens: the others are named in a message, nothing is read from them.
    void openFiles(const QStringList& paths);
    /// openFiles() from the event loop: after the window shows (the command
    /// line) or once a drop has ended.
    void openLater(const QStringList& paths);
    static constexpr const char* kProjectSuffix = "vantrel";
    static bool isProject(const QString& path);
    /// After the window shows: the work a crash left unsaved is offered.
    void offerRecoveryLater();

    // Commands of the application
    void OnFileNew();
    void OnGraph(int id);
    void OnAppAbout();
    void OnHelp();
    void OnAboutCompany();
    void OnAppExit();
    void OnOpenRecentFile(int index);

    /// The title a graph command gives its window (string of the graph kind).

private:
    void registerCommands();

    Translations m_translations;
    std::unique_ptr<Prompter> m_dialogPrompter;
    Prompter* m_prompterOverride = nullptr;
    QPointer<CMainFrame> m_mainFrame;
    ExitFunction m_exit;
    UrlOpener m_openUrl;
};

}  // namespace vantrel
