#pragma once
// The recent-files list of the File menu: up to four project files, newest first,
// kept in the arrays of recentFiles() and saved in the [FileMenu] section. The menu
// itself mirrors MenuCaption and MenuItemVisible.

// Builds the menu items from the list read at start-up (KeepFileNames 1 only);
// RecentFilesShown becomes 255 when at least one item is shown.
void BuildRecentFilesMenu();

// CurrentFile = the full path of entry Index.
void GetRecentFile(int Index);

// Moves CurrentFile to the top of the list: an entry whose caption matches moves up
// (the list is written at exit); a new entry pushes the others down, the oldest of
// four dropping off, and the [FileMenu] section is written at once.
void UpdateMRUList();
