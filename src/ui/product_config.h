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

// The maker's promotional captions: the entry form's forum line (forumLink) and its promotional
// band (fullBrandLink, coBrandLink), and the promotional top-level menu entry of both windows.
inline const QString kForumPromotion =
    QStringLiteral("Talk about your chart with other users in our free astrology forum");
inline const QString kFullBrandPromotion =
    QStringLiteral("Sell this software under your own brand with our fully branded edition");
inline const QString kCoBrandPromotion =
    QStringLiteral("Put your name and web address on this software with our co-branded edition");
inline const QString kPromotionMenuText = QStringLiteral("&Make Money");

// The results window's header (the promotion line and the site link), the link in the chart's
// centre, the frame's bottom-bar link and the About box's links.
inline const QString kResultsPromotion = QStringLiteral("More astrology software");
inline const QString kMakerSiteCaption = QStringLiteral("kalodaya.example.org");
inline const QString kChartCentreCaption = QStringLiteral("Visit us online");
inline const QString kFramePromotion =
    QStringLiteral("Sell this software under your own brand");
inline const QString kAboutCoBrandLine =
    QStringLiteral("Want this software with your own name and logo?");
inline const QString kAboutCoBrandLink = QStringLiteral("Click here to learn more");

}  // namespace kalodaya::ui::config
