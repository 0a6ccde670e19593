#pragma once
// Product configuration: the addresses the program opens and the maker's promotional texts.
#include <QString>

namespace kalodaya::ui::config {

inline const QString kProductSite = QStringLiteral("https://kalodaya.example.org");
inline const QString kMakerHome = QStringLiteral("https://kalodaya.example.org/");
inline const QString kMakerHelpSite = QStringLiteral("https://help.kalodaya.example.org");

inline const QString kOnlineHelpPath = QStringLiteral("/kalodaya-free-help.html");
inline const QString kDownloadPath = QStringLiteral("/download-kalodaya-free.html");
inline const QString kDonatePath = QStringLiteral("/donate.html");
inline const QString kCoBrandPath = QStringLiteral("/co-brand.html");
inline const QString kFullBrandPath = QStringLiteral("/fully-branded.html");

// The coordinate search: a web search engine and the site it is restricted to.
inline const QString kSearchEngine = QStringLiteral("https://duckduckgo.com/");
inline const QString kCoordinatesSite = QStringLiteral("www.latlong.net");

}  // namespace kalodaya::ui::config
