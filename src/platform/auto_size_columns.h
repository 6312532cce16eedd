#pragma once

class QTreeView;

namespace quillory {

// Sets every column of a list made by NewReportList to the width of its widest cell over all
// rows (not only the rows on screen), the header text counted as a cell; the last column also
// takes whatever width is left in the list. Each distinct text of a column is measured once.
void AutoSizeColumns(QTreeView& list);

// Sizes the list's columns with their headers counted again whenever the list changes size.
void KeepColumnsFitted(QTreeView& list);

}  // namespace quillory
