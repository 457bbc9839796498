// Reading and checking rows of a report-style list view in another process.
// Its item texts travel through memory allocated inside that process, as
// list view messages carry pointers that Wine passes on unchanged.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct ListViewRow {
    std::vector<std::string> Cells; // column 0 first
    int Checked = -1;               // -1: the list has no check boxes
    bool Selected = false;
};

// The rows, or false with a reason when the target's memory cannot be used.
bool ReadListView(HWND list, std::vector<ListViewRow>& rows, std::string& error);

// Sets the check box of row index (state image 2 checked, 1 unchecked).
bool SetListViewCheck(HWND list, int index, bool checked, std::string& error);
