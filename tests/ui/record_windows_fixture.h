#pragma once

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTreeView>
#include <string>
#include <vector>

#include "data/record_layout.h"
#include "ui/ui_fixture.h"

namespace quillory::testkit {

// The main list with the windows that change its records. Rows are clicked on their Music cell
// (the first cell holds the check box), header sections in their middle, as the user does it.
class RecordWindowsFixture : public UiFixture {
protected:
    QTreeView& List() { return Main().List(); }

    QPoint RowPoint(int row) {
        const QModelIndex index = ListModel().index(row, kMusicColumn);
        List().scrollTo(index);
        return List().visualRect(index).center();
    }
    void ClickRow(int row) {
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, RowPoint(row));
    }
    // The first click of a double click selects the row.
    void DoubleClickRow(int row) {
        ClickRow(row);
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, RowPoint(row));
    }
    void ClickHeader(int column) {
        QHeaderView& header = *List().header();
        QTest::mouseClick(
            header.viewport(), Qt::LeftButton, {},
            QPoint(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                   header.height() / 2));
    }

    QStringList RowCells(int row) {
        QStringList cells;
        for (int column = 0; column < kColumnCount; ++column) {
            cells << Cell(row, column);
        }
        return cells;
    }
    QStringList ColumnCells(int column) {
        QStringList cells;
        for (int row = 0; row < RowCount(); ++row) {
            cells << Cell(row, column);
        }
        return cells;
    }
    // The row showing a record number ("00002"), -1 when none does.
    int RowOf(const QString& number) {
        return static_cast<int>(ColumnCells(kNumberColumn).indexOf(number));
    }
    bool RowTicked(int row) {
        return ListModel().index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    }
    QString Counter() { return InMain<QLabel>("lblNumberChecked")->text(); }
    bool Enabled(const char* name) { return InMain<QWidget>(name)->isEnabled(); }
    int SelectedRow() {
        const QModelIndexList rows = List().selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    }

    // Shows a window and makes it the active one, so that the focus moves inside it.
    static void ShowActive(QWidget& window) {
        window.show();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }

    // Save As > MusicFinder File for the current target into out.mfd; the written bytes.
    Bytes SaveAs() {
        Trigger("mnuConvert");
        dialogs.files.push_back(QString::fromStdString(folder.File("out.mfd")));
        FindIn<QPushButton>(Find<QWidget>("frmConvert"), "cmdSave")->click();
        Settle();
        return ReadFile(folder.File("out.mfd"));
    }

    // The 92 bytes of record n (from 1).
    static Bytes Record(const Bytes& image, int n) {
        const auto at = image.begin() + static_cast<std::ptrdiff_t>(RecordOffset(n));
        return image.size() < RecordOffset(n + 1) ? Bytes() : Bytes(at, at + kRecordSize);
    }
    // The record as BuildMfd writes it, with its stored number.
    static Bytes Record(RecordSpec spec, int number) {
        spec.number = number;
        return Record(BuildMfd("PSR-2000", {spec}), 1);
    }
    static int Marks(const Bytes& image, int n) { return image[RecordOffset(n) + field::kMarks]; }

    static RecordSpec Song(const char* music, const char* genre, int style) {
        RecordSpec song;
        song.music = music;
        song.genre = genre;
        song.style = style;
        return song;
    }
    // Opens songs.mfd of a PSR-2000 (Cool Pop 1, Swing 2, 8Beat 3) with these records.
    void OpenSongs(const std::vector<RecordSpec>& songs) {
        WriteSongTables();
        OpenFile("songs.mfd", BuildMfd("PSR-2000", songs));
    }
};

}  // namespace quillory::testkit
