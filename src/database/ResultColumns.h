#pragma once

#include "database/CharacterSet.h"
#include "database/FieldValue.h"
#include "database/FirebirdApi.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace database {

// The output descriptor of a statement and the buffers its rows are fetched into.
class ResultColumns {
public:
    explicit ResultColumns(int16_t room = 1);

    firebird::SqlDescriptorArea* Area() { return area.get(); }
    // After a describe: true when the statement has more columns than there is room for.
    bool NeedsMoreRoom() const { return area->sqld > area->sqln; }
    int16_t DescribedCount() const { return area->sqld; }

    // Gives every described column a buffer and a NULL indicator; kinds the program does
    // not read natively are asked for as text.
    void Bind();
    // After a fetch: the content of each BLOB of the row that is not NULL, read whole.
    void ReadBlobs(const std::function<std::string(firebird::BlobId)>& readBlob);

    size_t Count() const { return static_cast<size_t>(area->sqld); }
    std::u16string Alias(size_t index, const CharacterSet& characterSet) const;
    FieldValue Value(size_t index, const CharacterSet& characterSet) const;

private:
    struct FreeArea {
        void operator()(firebird::SqlDescriptorArea* area) const;
    };
    struct Buffer {
        std::vector<int64_t> data; // int64_t keeps every kind aligned
        int16_t indicator = 0;
        std::string blob;
    };

    std::unique_ptr<firebird::SqlDescriptorArea, FreeArea> area;
    std::vector<Buffer> buffers;
};

} // namespace database
