#include "ui/markup/MarkupTree.h"

namespace ui::markup {

const std::u16string* Node::Find(std::u16string_view attributeName) const {
    for (const Attribute& attribute : attributes) {
        if (attribute.name == attributeName) {
            return &attribute.value;
        }
    }
    return nullptr;
}

} // namespace ui::markup
