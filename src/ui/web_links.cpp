#include "ui/web_links.h"

#include <QDesktopServices>
#include <QUrlQuery>

#include "ui/product_config.h"

namespace kalodaya::ui {
namespace {

class DesktopBrowser final : public UrlOpener {
public:
    void Open(const QUrl& url) override { QDesktopServices::openUrl(url); }
};

UrlOpener* installed = nullptr;

}  // namespace

UrlOpener& Browser() {
    static DesktopBrowser browser;
    return installed ? *installed : browser;
}

void SetUrlOpener(UrlOpener* opener) { installed = opener; }

void OpenWebPage(const QUrl& url) { Browser().Open(url); }

void OpenOnlineHelp() { OpenWebPage(QUrl(config::kProductSite + config::kOnlineHelpPath)); }
void OpenHomePage() { OpenWebPage(QUrl(config::kMakerHome)); }
void OpenDownloadPage() { OpenWebPage(QUrl(config::kProductSite + config::kDownloadPath)); }
void OpenDonatePage() { OpenWebPage(QUrl(config::kMakerHelpSite + config::kDonatePath)); }
void OpenCoBrandPage() { OpenWebPage(QUrl(config::kMakerHelpSite + config::kCoBrandPath)); }
void OpenFullBrandPage() { OpenWebPage(QUrl(config::kMakerHelpSite + config::kFullBrandPath)); }

QUrl WebSearchUrl(const QString& query, const QString& site) {
    QUrl url(config::kSearchEngine);
    QUrlQuery params;
    // QUrlQuery would leave "&", "#" and "+" to be read as syntax; encode the value fully.
    const QString q = query + QStringLiteral(" site:") + site;
    params.addQueryItem(QStringLiteral("q"), QString::fromLatin1(QUrl::toPercentEncoding(q)));
    url.setQuery(params.query(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

void SearchWeb(const QString& query, const QString& site) { OpenWebPage(WebSearchUrl(query, site)); }

}  // namespace kalodaya::ui
