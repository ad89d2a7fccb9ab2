// A home page connected to the fake BMS.
#include "homefixture.h"

#include "bmsdataarea.h"
#include "fakebms.h"
#include "homewindow.h"

#include <QComboBox>
#include <QPushButton>
#include <QSerialPort>
#include <QTest>

namespace {
const qint32 BaudRates[] = {9600, 19200, 115200};
}

HomeFixture::HomeFixture()
{
    BmsDataArea::reset();
    m_bms = std::make_unique<FakeBms>();
    qputenv("CELLWICK_EXTRA_PORTS", m_bms->portPath().toLocal8Bit());
    m_ownHome = std::make_unique<HomeWindow>();
    m_home = m_ownHome.get();
}

HomeFixture::~HomeFixture()
{
    m_ownHome.reset();
    m_bms.reset();
}

void HomeFixture::useHome(HomeWindow *home)
{
    m_ownHome.reset();
    m_home = home;
}

FakeBms &HomeFixture::bms()
{
    return *m_bms;
}

HomeWindow &HomeFixture::home()
{
    return *m_home;
}

bool HomeFixture::open(int baudIndex)
{
    if (baudIndex < 0 || baudIndex > 2 || !m_bms->isOpen())
        return false;
    auto *ports = m_home->findChild<QComboBox *>(QStringLiteral("comboBoxComID"));
    auto *bauds = m_home->findChild<QComboBox *>(QStringLiteral("comboBoxBaud"));
    auto *openButton = m_home->findChild<QPushButton *>(QStringLiteral("btnOpenCom"));
    if (!ports || !bauds || !openButton)
        return false;
    const int portIndex = ports->findText(m_bms->portPath());
    if (portIndex < 0)
        return false;
    m_bms->setBaudRate(BaudRates[baudIndex]);
    ports->setCurrentIndex(portIndex);
    emit ports->activated(portIndex);
    bauds->setCurrentIndex(baudIndex);
    emit bauds->activated(baudIndex);
    const int pollsBefore = m_bms->countRequests(0x01);
    QTest::mouseClick(openButton, Qt::LeftButton);
    if (!bmsArea.serialPortOpen)
        return false;
    return QTest::qWaitFor(
        [&] { return m_bms->countRequests(0x01) > pollsBefore && bmsArea.realtimeReady; }, 10000);
}
