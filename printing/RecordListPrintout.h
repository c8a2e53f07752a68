#pragma once

class MainWindow;

// The recordings of the current search condition, newest first, three
// lines each, printed on numbered pages after the print dialog (within
// `w`). Draws nothing when the dialog is cancelled or the query fails.
void RecordListPrintout(MainWindow& w);
