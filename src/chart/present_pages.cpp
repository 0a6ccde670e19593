#include "chart/present_pages.h"

#include "profile/text_keys.h"

namespace kalodaya {

PageCaptions PresentPageCaptions(Language language) {
    auto text = [language](std::string_view key) { return Text(language, key); };
    PageCaptions c;
    c.heading = text("page.heading");
    c.headingLine = text("page.headingLine");
    c.planetTable = text("page.planetTable");
    for (int body = 0; body < kBodyCount; ++body)
        c.planets[body] = text("page.planet." + std::string(kPlainPlanetNames[body]));
    c.details = text("page.details");
    c.dateOfBirth = text("page.dateOfBirth");
    c.timeOfBirth = text("page.timeOfBirth");
    c.timeZone = text("page.timeZone");
    c.latitude = text("page.latitude");
    c.longitude = text("page.longitude");
    c.city = text("page.city");
    c.state = text("page.state");
    c.country = text("page.country");
    c.sunriseCaption = text("page.sunriseCaption");
    c.sunrise = text("page.sunrise");
    c.referenceSunrise = text("page.referenceSunrise");
    c.profile = text("page.profile");
    c.pageNumber = text("page.number");
    return c;
}

std::string PageBirthMoment(std::string_view date, std::string_view clock, Language language) {
    return FillPlaceholders(Text(language, "page.birthMoment"), {date, clock});
}

std::string PageDocumentTitle(std::string_view name, std::string_view date, std::string_view clock,
                              std::string_view place, std::string_view latitude,
                              std::string_view longitude, Language language) {
    const std::string_view key =
        name.empty() ? (place.empty() ? "page.title" : "page.titlePlaced")
                     : (place.empty() ? "page.titleNamed" : "page.titleNamedPlaced");
    return FillPlaceholders(Text(language, key), {date, clock, latitude, longitude, name, place});
}

}  // namespace kalodaya
