#pragma once

#include <QStringList>

// The serial ports offered by the home and update pages: the system's ports in
// their order, without "COM1" and "COM9", then the device paths listed in the
// environment variable CELLWICK_EXTRA_PORTS (separated by ':').
QStringList availableBmsPorts();
