#pragma once

#include "bmsdataarea.h"

#include <QVector>

// One register range that the write dispatcher sends for a raised write flag.
struct WriteGroup
{
    BmsBlock block;
    int flagIndex;        // index into the block's write flags
    bool wholeRecord;     // the write-all marker: an acknowledgement lowers every flag of the block
    quint8 command;
    quint16 start;        // first register
    quint16 count;        // number of registers
    const char *name;
};

// Every write range in the order the write dispatcher serves them.
const QVector<WriteGroup> &writeGroups();

// The row for a block's flag, or nullptr.
const WriteGroup *findWriteGroup(BmsBlock block, int flagIndex);

// True when a write of the block's raised flags would send a register that the
// write path did not encode and that has not been read from the BMS in the
// link's current read session: it would overwrite the BMS with stale or zero
// values, so the write must wait for a read. Registers are numbered from 0 within the block.
bool writeNeedsRead(BmsBlock block, const QVector<int> &encodedRegisters);
