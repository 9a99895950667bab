#include "ui/about/AboutTab.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <exception>
#include <memory>

#include "core/errors/InternalFailure.h"
#include "core/richtext/RichTextReader.h"
#include "ui/about/DownloadLinks.h"
#include "ui/about/LinkLabel.h"
#include "ui/about/RichTextView.h"
#include "ui/app/AppConstants.h"
#include "ui/app/Appearance.h"
#include "ui/app/ReportInternalError.h"
#include "ui/app/Twips.h"

namespace quillex::ui {
namespace {

// The design places controls below a tab row this many twips high; the page here starts below it.
constexpr int kTabRow = 360;

QRect PageRect(int left, int top, int width, int height) {
    return TwipsRect(left, top - kTabRow, width, height);
}

const QString kLicenceFile = QStringLiteral("Licence.rtf");

// What the licence's thread hands back: the document to show, or why there is none.
struct LoadedLicence {
    std::unique_ptr<QTextDocument> document;
    std::exception_ptr failure;
};

// Reads the first licence file found and lays it out for a view `textWidth` pixels wide, in the
// thread it runs in; the document is handed to `owner`'s thread.
void LoadLicence(const std::vector<std::filesystem::path>& folders, const QColor& linkColour,
                 int textWidth, QThread* owner, LoadedLicence& loaded) {
    try {
        for (const std::filesystem::path& folder : folders) {
            const std::filesystem::path path = folder / kLicenceFile.toStdString();
            std::error_code error;
            if (folder.empty() || !std::filesystem::is_regular_file(path, error)) continue;
            loaded.document =
                RichTextView::MakeTextDocument(ReadRichTextFile(path), linkColour, textWidth);
            if (!loaded.document) ThrowRichTextTooTall(path);
            loaded.document->moveToThread(owner);
            return;
        }
        throw InternalFailure(u"Fichier introuvable : " + kLicenceFile.toStdU16String(),
                              FailureCode::FileNotFound);
    } catch (...) {
        loaded.failure = std::current_exception();
    }
}

constexpr const char* kGuidePage = "index.html";

}  // namespace

AboutTab::AboutTab(TabContext& context, QWidget* parent) : TabPage(parent), context_(context) {
    setObjectName(QStringLiteral("aboutTab"));
    buildControls();
    licenceTimer_.setSingleShot(true);
    connect(&licenceTimer_, &QTimer::timeout, this, &AboutTab::loadLicence);
    pointerTimer_.setSingleShot(true);
    connect(&pointerTimer_, &QTimer::timeout, this,
            [this] { context_.platform.pointer.resetWindowPointer(context_.window); });
}

AboutTab::~AboutTab() {
    // The thread ends on its own: reading and laying out a licence is bounded.
    if (licenceWorker_) licenceWorker_->wait();
}

void AboutTab::setLicenceFolders(std::vector<std::filesystem::path> folders) {
    licenceFolders_ = std::move(folders);
}

void AboutTab::setLicenceFolders(const QStringList& folders) {
    std::vector<std::filesystem::path> paths;
    for (const QString& folder : folders)
        paths.emplace_back(QFile::encodeName(folder).toStdString());
    setLicenceFolders(std::move(paths));
}

void AboutTab::buildControls() {
    auto* logo = new QLabel(AppTitle, this);
    logo->setObjectName(QStringLiteral("programName"));
    logo->setGeometry(PageRect(180, 600, 5715, 435));
    logo->setFont(NamedFont(QStringLiteral("Lucida Calligraphy"), 22, true));
    logo->setAlignment(Qt::AlignCenter);
    SetColour(logo, QPalette::WindowText, DarkRed);

    versionLabel_ = new QLabel(this);
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    versionLabel_->setGeometry(PageRect(6060, 720, 4035, 315));
    versionLabel_->setAlignment(Qt::AlignCenter);

    licenceView_ = new RichTextView(this);
    licenceView_->setObjectName(QStringLiteral("licenceView"));
    licenceView_->setAccessibleName(QStringLiteral("Contrat de licence"));
    licenceView_->setGeometry(PageRect(180, 1080, 5715, 2295));
    licenceView_->setPlaceholderText(QStringLiteral("Chargement de la licence…"));
    connect(licenceView_, &RichTextView::addressClicked, this,
            [this](const QString& address) { context_.platform.shell.open(address); });

    descriptionLabel_ = new QLabel(this);
    descriptionLabel_->setObjectName(QStringLiteral("description"));
    descriptionLabel_->setGeometry(PageRect(6000, 1080, 4155, 2295));
    // Eight lines must fit the label's 153 pixels of height.
    descriptionLabel_->setFont(CalibriFont(9.5));
    descriptionLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    auto* downloads = new QGroupBox(
        QStringLiteral(
            "D'autres jeux et utilitaires à télécharger gratuitement en cliquant sur le lien"),
        this);
    downloads->setObjectName(QStringLiteral("downloadLinks"));
    downloads->setGeometry(PageRect(30, 3420, 10185, 2235));
    const auto& links = DownloadLinks();
    for (int i = 0; i < static_cast<int>(links.size()); ++i) {
        const int column = i / 4, row = i % 4;
        const int x = 10 + column * 338, y = 22 + row * 30;
        auto* link = new LinkLabel(links[i].caption, downloads, [this, i] { openDownload(i); });
        link->setObjectName(QStringLiteral("downloadLink%1").arg(i));
        link->setAccessibleName(QStringLiteral("Télécharger ") + links[i].caption);
        link->setToolTip(links[i].address);
        link->setGeometry(x, y, 90, 26);
        auto* description = new QLabel(links[i].description, downloads);
        description->setObjectName(QStringLiteral("downloadDescription%1").arg(i));
        description->setWordWrap(true);
        description->setGeometry(x + 92, y - 2, 240, 30);
        QFont small = description->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        description->setFont(small);
    }

    guideButton_ = new QPushButton(QStringLiteral("Site Internet du programme  "), this);
    guideButton_->setObjectName(QStringLiteral("guideButton"));
    guideButton_->setAccessibleName(QStringLiteral("Ouvrir le site Internet du programme"));
    guideButton_->setGeometry(PageRect(4380, 5700, 3675, 495));
    // Reached by Tab; a click opens the guide and leaves the focus where it was.
    guideButton_->setFocusPolicy(Qt::TabFocus);
    connect(guideButton_, &QPushButton::clicked, this, &AboutTab::openGuide);

    // Reading order: the licence, the links column by column, then the button.
    QWidget* previous = licenceView_;
    for (auto* link : downloads->findChildren<LinkLabel*>()) {
        setTabOrder(previous, link);
        previous = link;
    }
    setTabOrder(previous, guideButton_);
}

void AboutTab::setTexts() {
    versionLabel_->setText(QStringLiteral("Version ") + AppVersion);
    const QStringList lines = {
        QStringLiteral("Quillex  est  un"),
        QStringLiteral("programme d'aide pour la réalisation"),
        QStringLiteral("des jeux de lettres. Très complet, il est"),
        QStringLiteral("composé de différents dictionnaires et"),
        QStringLiteral("outils de recherche. Il a été réalisé dans"),
        QStringLiteral("le but d'aider les cruciverbistes et autres"),
        QStringLiteral("amateurs de jeux de lettres, dans leurs"),
        QStringLiteral("investigations linguistiques."),
    };
    descriptionLabel_->setText(lines.join(LineBreak));
}

void AboutTab::armLicenceTimer() {
    licenceTimer_.start(500);
}

void AboutTab::loadLicence() {
    if (licenceWorker_) return;
    auto loaded = std::make_shared<LoadedLicence>();
    licenceWorker_ = QThread::create(
        [folders = licenceFolders_, linkColour = licenceView_->palette().color(QPalette::Link),
         width = licenceView_->textWidth(), owner = thread(),
         loaded] { LoadLicence(folders, linkColour, width, owner, *loaded); });
    licenceWorker_->setParent(this);
    connect(licenceWorker_, &QThread::finished, this, [this, loaded] {
        licenceWorker_->deleteLater();
        licenceWorker_ = nullptr;
        if (loaded->document) {
            licenceView_->setTextDocument(std::move(loaded->document));
            return;
        }
        licenceView_->setPlaceholderText(QString());
        try {
            std::rethrow_exception(loaded->failure);
        } catch (const std::exception& failure) {
            ReportInternalError(context_.platform.messages, failure, ErrorPlaceCode::LicenceText);
        }
    });
    // Below the window's thread, which must answer at once whatever the file.
    licenceWorker_->start(QThread::LowPriority);
}

void AboutTab::openGuide() {
    for (const std::filesystem::path& folder : guideFolders_) {
        const std::filesystem::path page = folder / kGuidePage;
        std::error_code error;
        if (folder.empty() || !std::filesystem::is_regular_file(page, error)) continue;
        // The address carries the path's bytes percent-encoded, so that a folder whose name is
        // no UTF-8 is still the one opened.
        const QByteArray bytes = QByteArray::fromStdString(page.string());
        context_.platform.shell.open(
            QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/")).toString());
        return;
    }
    // Installed without its guide: say where it belongs (the installed copy looked for first)
    // rather than send the user anywhere else.
    const QString expected =
        guideFolders_.empty()
            ? QString()
            : QFile::decodeName(
                  guideFolders_[std::min<size_t>(1, guideFolders_.size() - 1)].c_str());
    context_.platform.messages.show(
        {AppTitle,
         QStringLiteral("Le guide de l'utilisateur est introuvable.") + LineBreak +
             QStringLiteral("Il s'installe avec Quillex, dans le dossier :") + LineBreak +
             QDir::toNativeSeparators(expected),
         MessageIcon::Warning, MessageButtons::Ok});
}

void AboutTab::openDownload(int index) {
    context_.platform.pointer.setWindowPointer(context_.window, PointerShape::Hourglass);
    pointerTimer_.start(1000);
    context_.platform.shell.open(DownloadLinks()[index].address);
}

}  // namespace quillex::ui
