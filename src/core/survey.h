#pragma once

#include "datafile/filetree.h"
#include "datafile/framestate.h"
#include "datafile/outputtables.h"

namespace vantrel {

/// Everything one loaded data file lives in: the frame's header, path, flags
/// and master settings, the file view's tree, and the three tables.
struct Survey {
    FrameState m_frame;
    FileTree m_tree;
    OutputTables m_tables;
};

}  // namespace vantrel
