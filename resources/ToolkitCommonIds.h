// Resource ids of the toolkit's common look data.
#pragma once

// Cursors of drag and drop feedback.
#define XTP_IDC_DRAGCOPY        9008
#define XTP_IDC_DRAGMOVE        9009
#define XTP_IDC_DRAGNONE        9011
// Splitter cursors, shared with the docking panes.
#define XTP_IDC_HSPLITBAR       9970
#define XTP_IDC_VSPLITBAR       9971
// Hand cursor for systems that have none.
#define XTP_IDC_HAND            9973
