// The announcement line, fetched from the program's web site at every start,
// and the home-page link.
#pragma once

#include <string>

#include "app/app.h"

namespace nalvic {

// The address the program was built against (see NALVIC_SITE_ADDRESS).
std::string defaultSiteAddress();
std::string announcementUrl(const App& app);
std::string homePageUrl(const App& app);

// Starts the one-stage job that fetches the announcement into 透明标签_公告.
void startAnnouncement(App& app);

}  // namespace nalvic
