#include "portcatalogue.h"

#include <QSerialPortInfo>

QStringList availableBmsPorts()
{
    QStringList ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        const QString name = info.portName();
        if (name == QLatin1String("COM1") || name == QLatin1String("COM9"))
            continue;
        ports << name;
    }
    const QString extra = qEnvironmentVariable("CELLWICK_EXTRA_PORTS");
    const QStringList extraPorts = extra.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString &path : extraPorts) {
        if (!ports.contains(path))
            ports << path;
    }
    return ports;
}
