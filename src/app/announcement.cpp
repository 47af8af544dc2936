#include "app/announcement.h"

#include "app/handlers.h"
#include "app/http_read_file.h"

namespace nalvic {

std::string defaultSiteAddress() {
    // A trailing slash in the build setting would double the paths' slash.
    std::string address = NALVIC_SITE_ADDRESS;
    while (address.ends_with('/')) address.pop_back();
    return address;
}

std::string announcementUrl(const App& app) { return app.siteAddress + "/velbrin/gonggao.txt"; }

std::string homePageUrl(const App& app) { return app.siteAddress + "/"; }

void startAnnouncement(App& app) {
    // A failed start leaves the label empty, like a failed fetch.
    app.jobs.startJob([&controls = app.controls, &jobs = app.jobs, url = announcementUrl(app)] {
        const Bytes body = httpReadFile(url, [&jobs] { return jobs.stopRequested(); });
        // The label is written also when the text is empty; never while the
        // program is ending.
        if (!jobs.stopRequested()) controls.writeText("透明标签_公告", bytesToText(body));
    });
}

void onHomePagePressed(App& app) { app.controls.openUrl(homePageUrl(app)); }

}  // namespace nalvic
