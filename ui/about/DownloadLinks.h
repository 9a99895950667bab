#pragma once

#include <QString>
#include <array>

namespace quillex::ui {

/// A free program the About tab offers to download.
struct DownloadLink {
    QString caption;
    QString description;
    QString address;
};

/// The eight download links of the About tab, in display order.
const std::array<DownloadLink, 8>& DownloadLinks();

}  // namespace quillex::ui
