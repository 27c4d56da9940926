// XmlTagReader: reads the tags of an XML text one after another without building its tree,
// for readers of long lists such as the links of a link box. It takes the plain form that
// this library writes: a declaration naming code page 932, a doctype that is only a name,
// elements with attributes, whitespace and comments between tags. On anything else (text,
// CDATA, a reference other than the predefined ones and ASCII characters, whitespace or a NUL
// inside a value, an overlong value, names beyond ASCII) it is unsure and stays so; the
// caller then reads the text with CXmlFileDoc, which takes all of XML. What it does read, it
// reads exactly as CXmlFileDoc would: a well-formed document with the same values.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace xmlfile {

class XmlTagReader {
 public:
  enum Tag {
    kOpen,    // an element begins: <name ...> or <name .../>
    kClose,   // an element ends: </name>, or right after the kOpen of <name .../>
    kEnd,     // the root has closed and only whitespace follows it
    kUnsure,  // not the plain form, or not well-formed
  };
  static constexpr int kMaxAttrs = 32;

  // The names of the attributes a reader asks for, in the order it asks, prepared once so
  // that each tag's are matched a few bytes at a time. ASCII XML names; a line feed before
  // one is ignored; at most kMaxAttrs.
  class Names {
   public:
    Names(const char* const* names, int count);
    int Count() const { return count_; }
    // The length of names i when the text at p is that name and its '='; else 0. end is the
    // end of the text.
    size_t At(int i, const char* p, const char* end) const {
      const Name& name = names_[i];
      if (name.length >= 16 || end - p < 16) return AtByBytes(name, p);
      unsigned long long text[2];
      std::memcpy(text, p, sizeof text);
      const bool same =
          ((text[0] & name.mask[0]) == name.word[0]) & ((text[1] & name.mask[1]) == name.word[1]);
      return same ? name.length : 0;
    }

   private:
    struct Name {
      const char* text;
      size_t length;
      // The name and its '=' as two words, and the bytes of them that count, when they fit.
      unsigned long long word[2];
      unsigned long long mask[2];
    };
    static size_t AtByBytes(const Name& name, const char* p);

    Name names_[kMaxAttrs];
    int count_ = 0;
  };

  // Reads text, which must outlive the reader and be followed by a NUL byte (as the text of
  // a std::string or of CXmlFileDoc::GetText is).
  explicit XmlTagReader(std::string_view text);
  XmlTagReader(const XmlTagReader&) = delete;
  XmlTagReader& operator=(const XmlTagReader&) = delete;

  // The next tag. Once kUnsure, always kUnsure.
  Tag Next();
  // The name of the element Next opened or closed last.
  std::string_view Name() const { return name_; }
  // Whether that name is name, as CXmlFileElm::IsSameTagName: a line feed before it ignored.
  bool IsSameTagName(const char* name) const;
  // The attributes of the element Next has just opened, when each is one of names, in the
  // order of names and none twice: values[i] receives the value of names[i] (valid until the
  // next call of Next) and bit i of the result is set; values of names not present are left
  // alone. -1 when the element has any other attribute or Next did not just open it; the
  // reader is then unsure.
  long Attrs(const Names& names, std::string_view* values);

 private:
  enum class End { kTag, kEmptyTag, kDeclaration };

  Tag Read();
  Tag ReadOpen();
  // Ends the tag of the element opened last, once its attributes are read; false when that
  // is not plain.
  bool EndOpenTag();
  Tag ReadClose();
  bool ReadDeclaration();
  bool ReadDoctype();
  bool SkipComment();
  // The attributes from here to the end of the tag, kept in end_; as Attrs takes them, or of
  // any names when names is null (their values then go nowhere). -1 when not plain.
  long ReadAttributes(const Names* names, std::string_view* values);

  const char* at_;  // where reading goes on
  const char* end_of_text_;
  bool unsure_ = false;
  bool doctype_seen_ = false;
  bool root_seen_ = false;
  bool root_closed_ = false;
  bool in_tag_ = false;  // Next has opened an element whose attributes are not read yet
  End end_ = End::kTag;  // how the tag whose attributes were read last ended
  std::string_view name_;
  std::vector<std::string_view> open_;  // the names of the open elements, outermost first
  std::string decoded_[kMaxAttrs];      // values with references, decoded
};

}  // namespace xmlfile
