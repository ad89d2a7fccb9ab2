#pragma once

#include <memory>

class FakeBms;
class HomeWindow;

// A home page whose port list offers the fake BMS, for end-to-end tests.
class HomeFixture
{
public:
    // Resets the data area, starts a fake BMS, offers its port through
    // CELLWICK_EXTRA_PORTS and creates a home page.
    HomeFixture();
    ~HomeFixture();
    HomeFixture(const HomeFixture &) = delete;
    HomeFixture &operator=(const HomeFixture &) = delete;

    FakeBms &bms();
    HomeWindow &home();
    // Drives the given home page (the one a main window holds, created after
    // this fixture so that it lists the fake's port) instead of its own.
    void useHome(HomeWindow *home);

    // Opens the BMS port on the fake at the given baud index (0 9600, 1 19200,
    // 2 115200) through the home page's own controls, the fake answering at
    // that rate, and waits until a live-data poll has been answered.
    bool open(int baudIndex = 2);

private:
    std::unique_ptr<FakeBms> m_bms;
    std::unique_ptr<HomeWindow> m_ownHome;
    HomeWindow *m_home = nullptr;
};
