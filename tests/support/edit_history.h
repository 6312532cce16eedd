#pragma once

#include <memory>
#include <vector>

#include "data/document/music_finder_document.h"

namespace quillory::testkit {

// Keeps every step the document finishes, as the undo history of the main window does.
class EditHistory : public DocumentObserver {
public:
    void EditFinished(const std::shared_ptr<const DocumentEdit>& edit) override {
        steps.push_back(edit);
    }

    std::vector<std::shared_ptr<const DocumentEdit>> steps;
};

}  // namespace quillory::testkit
