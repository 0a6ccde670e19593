#pragma once
// Product configuration: the addresses the program opens and the maker's promotional texts.
#include <QCoreApplication>
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

// The maker's promotional captions are English here and shown through Shown(), in the
// language the program speaks; the site's name and addresses are never translated.
//
// The captions: the entry form's forum line (forumLink) and its promotional
// band (fullBrandLink, coBrandLink), and the promotional top-level menu entry of both windows.
inline constexpr const char* kForumPromotion =
    QT_TRANSLATE_NOOP("kalodaya::ui::config",
                      "Talk about your chart with other users in our free astrology forum");
inline constexpr const char* kFullBrandPromotion =
    QT_TRANSLATE_NOOP("kalodaya::ui::config",
                      "Sell this software under your own brand with our fully branded edition");
inline constexpr const char* kCoBrandPromotion =
    QT_TRANSLATE_NOOP("kalodaya::ui::config",
                      "Put your name and web address on this software with our co-branded edition");
inline constexpr const char* kPromotionMenuText =
    QT_TRANSLATE_NOOP("kalodaya::ui::config", "&Make Money");

// The results window's header (the promotion line and the site link), the link in the chart's
// centre, the frame's bottom-bar link and the About box's links.
inline constexpr const char* kResultsPromotion =
    QT_TRANSLATE_NOOP("kalodaya::ui::config", "More astrology software");
inline const QString kMakerSiteCaption = QStringLiteral("kalodaya.example.org");
inline constexpr const char* kChartCentreCaption =
    QT_TRANSLATE_NOOP("kalodaya::ui::config", "Visit us online");
inline constexpr const char* kFramePromotion =
    QT_TRANSLATE_NOOP("kalodaya::ui::config", "Sell this software under your own brand");
inline constexpr const char* kAboutCoBrandLine =
    QT_TRANSLATE_NOOP("kalodaya::ui::config", "Want this software with your own name and logo?");
inline constexpr const char* kAboutCoBrandLink =
    QT_TRANSLATE_NOOP("kalodaya::ui::config", "Click here to learn more");

// A promotional caption in the language of the installed translation.
inline QString Shown(const char* caption) {
    return QCoreApplication::translate("kalodaya::ui::config", caption);
}

}  // namespace kalodaya::ui::config
