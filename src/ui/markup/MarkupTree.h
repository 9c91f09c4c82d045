#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ui::markup {

struct Attribute {
    std::u16string name;
    std::u16string value; // entities decoded, otherwise as written
};

// An element or a piece of text content. Names are kept as written, property elements
// included ("Border.Background"); unknown ones stay in the tree for layout to skip.
struct Node {
    enum class Kind { Element, Text };

    Kind kind = Kind::Element;
    std::u16string name;
    std::vector<Attribute> attributes;
    std::u16string text; // Text nodes: the characters, entities decoded
    std::vector<Node> children;

    // The value of the first attribute of that name, or nullptr.
    const std::u16string* Find(std::u16string_view attributeName) const;
    bool IsElement(std::u16string_view elementName) const {
        return kind == Kind::Element && name == elementName;
    }
};

struct Document {
    Node root;
    // False when the text was not well-formed markup: root is then a wrapping TextBlock
    // holding the whole text, so the label shows it as written.
    bool wellFormed = false;
};

} // namespace ui::markup
