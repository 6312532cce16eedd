#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/document/document_edit.h"
#include "data/format/file_image.h"
#include "data/format/record.h"

namespace quillory {

// Told about every change of the document, so that a view of its records can follow and the
// undo history can keep its steps.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void BeforeReset() {}
    virtual void AfterReset() {}
    virtual void BeforeAppend(std::size_t /*first*/, std::size_t /*last*/) {}
    virtual void AfterAppend() {}
    virtual void RecordsChanged(std::size_t /*first*/, std::size_t /*last*/) {}
    // newPosition[old] is where the row that stood at old now stands.
    virtual void BeforeReorder() {}
    virtual void AfterReorder(const std::vector<std::size_t>& /*newPosition*/) {}
    // A read replaced the records (after the reset).
    virtual void Loaded() {}
    // A change of the records ended; the step undoes and redoes it.
    virtual void EditFinished(const std::shared_ptr<const DocumentEdit>& /*edit*/) {}
};

// The open Music Finder file: its byte image, which is the authoritative copy of the records,
// and its records in list order with their ticks, style colours and the sort state. Every
// change goes through its methods, which patch the bytes and the rows together, tell the
// observer, and gather the change into one step that can be undone (see EditScope). It knows
// whether it differs from the file last read or saved.
class MusicFinderDocument {
public:
    const Bytes& Image() const { return image_; }
    std::size_t Size() const { return records_.size(); }
    bool Empty() const { return records_.empty(); }
    const Record& At(std::size_t row) const { return records_.at(row); }
    const std::vector<Record>& Records() const { return records_; }
    // The count in header bytes 34 and 35.
    int HeaderCount() const { return ReadBigEndian16(image_, kCountOffset); }
    // The 92 bytes of record n; fails with subscript out of range past the image's end.
    Bytes RecordBytes(int n) const;
    // The row that stands for record n, if any.
    std::optional<std::size_t> FindRecord(int position) const;
    std::size_t CheckedCount() const;

    bool Sorted() const { return sorted_; }
    int SortColumn() const { return sortColumn_; }
    SortOrder Order() const { return order_; }

    // True while the records differ from the file last read or saved.
    bool Modified() const { return state_ != savedState_; }

    // A read: the image and its records replace what was there; the sort state stays, and the
    // document counts as saved.
    void Load(Bytes image, std::vector<Record> records);
    // The records now stand as saved.
    void MarkSaved() { savedState_ = state_; }

    // Changes of the records. Each belongs to the edit step that is open (a step of its own
    // when none is).
    // The row's texts, marks and sections, and the record's bytes with them when given.
    void Change(std::size_t row, Record record);
    void Change(std::size_t row, Record record, const Bytes& recordBytes);
    // Record n's 92 bytes, growing the image as far as needed.
    void PutRecordBytes(int n, const Bytes& recordBytes);
    void WriteHeaderCount(int count);
    // Rows at the end of the list.
    void Append(std::vector<Record> records);

    // What the user marks on the list and the preview colours: no change of the records.
    void SetChecked(std::size_t row, bool checked);
    void SetStyleColour(std::size_t row, Colour colour);
    // Sorts by the column while sorted is true; the rows stay where they are otherwise.
    void SetSort(bool sorted, int column, SortOrder order);
    // Puts rows added or changed since into their places, while sorting is on.
    void Resort();

    // Gives back the state before or after an edit step (undo and redo); the newest steps go
    // back first. The list keeps its sort: the step's rows change where they are shown, rows
    // the step added leave the list or come back where its sort puts them. The row where the
    // step's first record stands afterwards, if it stands in the list.
    std::optional<std::size_t> Undo(const DocumentEdit& edit);
    std::optional<std::size_t> Redo(const DocumentEdit& edit);

    // Tells the observer about every change from now on, until it is removed.
    void AddObserver(DocumentObserver& observer) { observers_.push_back(&observer); }
    void RemoveObserver(DocumentObserver& observer) { std::erase(observers_, &observer); }

    // Several row changes told to the observer as one, when the batch ends.
    class ChangeBatch;

private:
    friend class EditScope;
    void BeginEdit(std::string name);
    void RenameEdit(std::string name);
    void EndEdit();
    void TouchRow(std::size_t row);
    void TouchBytes(int position);
    void Changed(std::size_t first, std::size_t last);
    void Reorder();
    std::vector<std::size_t> SortedOrder() const;
    std::optional<std::size_t> Restore(const DocumentEdit& edit, bool forward);
    // Puts rows into the list where its sort places them, after the rows they tie with; at its
    // end while it is unsorted.
    void PlaceRows(std::vector<Record> rows);
    std::unordered_map<int, std::size_t> RowsByPosition() const;
    // The row of a record that moved, for one of the given number of lookups; the map of every
    // row is made on the first lookup that needs it.
    std::size_t RowOf(int position, std::size_t lookups,
                      std::optional<std::unordered_map<int, std::size_t>>& rows) const;

    Bytes image_;
    std::vector<Record> records_;
    bool sorted_ = false;
    int sortColumn_ = 0;
    SortOrder order_ = SortOrder::kAscending;
    std::uint64_t state_ = 0;
    std::uint64_t savedState_ = 0;
    std::uint64_t lastState_ = 0;
    template <typename Call>
    void Notify(Call call) {
        for (DocumentObserver* observer : observers_) {
            call(*observer);
        }
    }

    std::vector<DocumentObserver*> observers_;
    ChangeBatch* batch_ = nullptr;
    int editDepth_ = 0;
    std::unique_ptr<DocumentEdit> open_;
    std::unordered_map<int, std::size_t> touchedRows_;  // position to its place in open_
    std::unordered_map<int, std::size_t> patchedRecords_;
};

// Gathers every change made while it lives into one edit step named for its command; nested
// scopes belong to the outermost one. A failure part-way keeps what was changed as the step.
class EditScope {
public:
    EditScope(MusicFinderDocument& document, std::string name);
    ~EditScope();
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

    // Names the step anew once the command knows what it did ("Delete 3 records").
    void Rename(std::string name);

private:
    MusicFinderDocument& document_;
};

class MusicFinderDocument::ChangeBatch {
public:
    explicit ChangeBatch(MusicFinderDocument& document);
    ~ChangeBatch();
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;

private:
    friend class MusicFinderDocument;
    MusicFinderDocument& document_;
    ChangeBatch* outer_;
    std::optional<std::size_t> first_;
    std::size_t last_ = 0;
};

}  // namespace quillory
