// Placeholders until the announcement is built.
#include "app/announcement.h"
#include "app/handlers.h"

namespace nalvic {
std::string defaultSiteAddress() { return NALVIC_SITE_ADDRESS; }
std::string announcementUrl(const App& app) { return app.siteAddress + "/velbrin/gonggao.txt"; }
std::string homePageUrl(const App& app) { return app.siteAddress + "/"; }
void startAnnouncement(App&) {}
void onHomePagePressed(App&) {}
}  // namespace nalvic
