#pragma once

// The operation names that error reports print after "encountered in Function ", one per
// handler or shared procedure that can fail. They are shown to the user and quoted in reports
// sent back to the author, so each keeps its text exactly, spelling included.
namespace quillory::operation {

// Opening a file: choosing it and everything around the read.
inline constexpr char kOpenFile[] = "Entry";
// Reading the records of an opened file into the list.
inline constexpr char kReadRecords[] = "List1";
// Loading the target instrument's style table into the editor's style list.
inline constexpr char kLoadTargetStyles[] = "cboStyle_setup";
// Choosing a target instrument in the main window's combo.
inline constexpr char kChooseTarget[] = "cboInst";
// Writing a Music Finder file for an instrument (Save As, the preview before it).
inline constexpr char kSaveMusicFinder[] = "SaveMusicFinder";
// File > Save: writing the open records back to the open file.
inline constexpr char kSave[] = "mnuSave";
// The Save As dialog's Save button.
inline constexpr char kConvertSave[] = "ConvertCommandSave";
// Writing a log or another text file whole.
inline constexpr char kWriteTextFile[] = "WriteTextFileContents";
// Saving a tab-delimited text that the user names.
inline constexpr char kSaveDelimitedFile[] = "SaveDelimitedFile";
// Save As > Delimited Text File: the record list as text.
inline constexpr char kExportList[] = "mnuTextFile";
// Import > Text Delimited File.
inline constexpr char kImportText[] = "ImportTextDelimitedFile";
// Showing the help file or a log in the information viewer.
inline constexpr char kShowInfo[] = "ShowInfo";

// Options > Allow User Styles.
inline constexpr char kAllowUserStyles[] = "mnuUserStyles";
// Options > Color for unrecognized styles > Red.
inline constexpr char kRedForUnknownStyles[] = "mnuRed";
// Options > Color for unrecognized styles > Blue.
inline constexpr char kBlueForUnknownStyles[] = "mnuBlue";
// Filling the default style dialog.
inline constexpr char kLoadDefaultStyle[] = "LoadDefaultStyle";
// The default style dialog's OK button.
inline constexpr char kDefaultStyleOk[] = "DefaultStyleCommandOK";

// Check: ticks every row.
inline constexpr char kCheckAll[] = "cmdCheck";
// Uncheck: clears every tick.
inline constexpr char kUncheckAll[] = "UnCheck";
// Invert: ticks the clear rows and clears the ticked ones.
inline constexpr char kInvertChecks[] = "Invert";
// A check box of the list ticked or cleared.
inline constexpr char kTickRow[] = "ListView_ItemCheck";
// Delete: marks the highlighted record deleted.
inline constexpr char kDeleteRow[] = "cmdDelete";
// Del Chk'd: marks every ticked record deleted.
inline constexpr char kDeleteChecked[] = "Delecte_Checked";
// Fav: clears every favourite mark.
inline constexpr char kClearFavorites[] = "Fave_click";
// S1: clears every Search 1 mark.
inline constexpr char kClearSearch1[] = "cmdS1";
// S2: clears every Search 2 mark.
inline constexpr char kClearSearch2[] = "cmdS2";
// Add: opens the record editor for a new record.
inline constexpr char kAdd[] = "cmdAdd";
// Modify (and a double click that edits): opens the record editor on the highlighted record.
inline constexpr char kModify[] = "cmdModify";
// Replace: opens the replace window.
inline constexpr char kOpenReplace[] = "cmdReplaceStyle";
// Search: opens the search.
inline constexpr char kOpenSearch[] = "cmdSearch";
// Keyword_Add: a keyword added to every record.
inline constexpr char kKeywordAdd[] = "mnuKeyword_add";
// A double click that toggles the highlighted record's favourite mark.
inline constexpr char kToggleFavorite[] = "mnuToggleFavorite";
// The list menu's Set Favorite.
inline constexpr char kSetFavorite[] = "mnuTrackMenuSetFavorite";
// A click on a column header of the main list: sorting.
inline constexpr char kSortList[] = "ListViewClick";

// Filling the record editor when it comes to the front.
inline constexpr char kEditorActivate[] = "frmEdit_activate";
// The record editor's OK button.
inline constexpr char kEditorOk[] = "EditCommandOK";
// Filling the replace window.
inline constexpr char kLoadReplace[] = "Load StyleReplace";
// The replacement itself.
inline constexpr char kReplace[] = "SubReplaceStyle";

// The search's Find First.
inline constexpr char kFindFirst[] = "Find";
// The search's Find Next, and F3.
inline constexpr char kFindNext[] = "FindAgain";
// The search's Find and Check All.
inline constexpr char kFindAndCheck[] = "Check";

// The main window's Play List button.
inline constexpr char kOpenPlayList[] = "Playlist";
// The play list coming to the front: it takes in the newly ticked records.
inline constexpr char kPlayListActivate[] = "FormActivate";
// Refilling the play list in its layout.
inline constexpr char kPlayListRefill[] = "CreateList";
// The play list's Enter Comments.
inline constexpr char kPlayListComment[] = "Notes";
// The play list's Change Position in List.
inline constexpr char kPlayListPosition[] = "Order";
// A click on a column header of the play list.
inline constexpr char kPlayListSort[] = "Column sort";
// The play list's Save As > Delimited Text File.
inline constexpr char kPlayListExport[] = "PlayList TextFile";
// The play list opening again over the list kept from its last opening.
inline constexpr char kPlayListReopen[] = "PlayListLoad";
// The play list's Open Play List: a play list saved before, read back.
inline constexpr char kOpenSavedPlayList[] = "Open Play List";
// Taking back at start-up the options the user chose in the last run.
inline constexpr char kRestoreOptions[] = "Main";
// Import > Merge File...: another Music Finder file's records appended.
inline constexpr char kMergeFile[] = "MergeFile";
// Edit > Find Duplicates and Find Duplicate Titles.
inline constexpr char kFindDuplicates[] = "FindDuplicates";

}  // namespace quillory::operation
