#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>
#include <filesystem>
#include <vector>

#include "ui/app/InstallPaths.h"
#include "ui/common/TabContext.h"
#include "ui/common/TabPage.h"

class QLabel;
class QPushButton;
class QThread;

namespace quillex::ui {

class RichTextView;

/// The "A propos" tab: name, version, description, licence text, user guide and download links.
class AboutTab : public TabPage {
    Q_OBJECT
  public:
    explicit AboutTab(TabContext& context, QWidget* parent = nullptr);
    ~AboutTab() override;

    /// Sets the version and description texts; run once at start-up.
    void setTexts();
    /// Arms the timer that loads the licence text half a second later: read and laid out on a
    /// thread of its own, then shown; until then the view says it is loading.
    void armLicenceTimer();
    /// Whether the licence is being read and laid out.
    bool loadingLicence() const { return licenceWorker_ != nullptr; }

    /// Where the licence file is looked for, in order (LicenceFolders() unless set).
    void setLicenceFolders(std::vector<std::filesystem::path> folders);
    void setLicenceFolders(const QStringList& folders);

    /// Where the user guide is looked for, in order (GuideFolders(ProgramFolder()) unless set).
    void setGuideFolders(std::vector<std::filesystem::path> folders) {
        guideFolders_ = std::move(folders);
    }

    /// Opens the user guide's page, or says where it belongs when it cannot be found.
    void openGuide();

  private:
    void buildControls();
    void loadLicence();
    void openDownload(int index);

    TabContext& context_;
    std::vector<std::filesystem::path> licenceFolders_ = LicenceFolders();
    std::vector<std::filesystem::path> guideFolders_ = GuideFolders(ProgramFolder());
    QLabel* versionLabel_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    RichTextView* licenceView_ = nullptr;
    QPushButton* guideButton_ = nullptr;
    QTimer licenceTimer_;
    QThread* licenceWorker_ = nullptr;
    QTimer pointerTimer_;
};

}  // namespace quillex::ui
