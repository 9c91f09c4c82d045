#include "database/FieldValue.h"

#include "text/RuntimeError.h"

namespace database {

inline constexpr int32_t ErrorInvalidUseOfNull = 94;

const std::u16string& FieldValue::Value() const {
    if (isNull)
        throw text::RuntimeError(ErrorInvalidUseOfNull, "Invalid use of Null");
    return text;
}

} // namespace database
