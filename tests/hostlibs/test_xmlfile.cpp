// The XML file library on its own: the writer's text, the reader's element lists, and the
// documents the reader refuses. Whole link box files are tested with the link box.
#include <gtest/gtest.h>

#include <string>

#include "framework/CMemFile.h"
#include "hostlibs/xmlfile/CXmlFileAutoPtr.h"
#include "hostlibs/xmlfile/CXmlFileDoc.h"
#include "hostlibs/xmlfile/CXmlFileElm.h"
#include "hostlibs/xmlfile/CXmlFileReader.h"
#include "hostlibs/xmlfile/CXmlFileWriter.h"

namespace {

// Trail bytes 0x5C and 0x7C (ソ, 表, ポ) and half-width katakana.
const CString kJapanese = u8"ソ表ポｱｲｳ";

std::string WriteSample(const CString& text) {
  CMemFile file;
  CXmlFileWriter w;
  w.WriteBeginFile(file, "\nBox", 1);
  w.WriteBeginDtd(nullptr, nullptr, 0);
  w.WriteEndDtd();
  w.WriteBeginDoc(nullptr);
  w.WriteOpenTag("\nItems", nullptr);
  for (const char* name : {"Item", "Other", "Item"}) {
    CString attrs;
    CXmlFileWriter::AddAttrStr(attrs, "Text", text);
    w.WriteSingleTag(name, attrs);
  }
  w.WriteCloseTag("\nItems");
  w.WriteOpenTag("Empty", nullptr);
  w.WriteCloseTag("Empty");
  w.WriteEndDoc();
  w.WriteEndFile();
  return std::string(file.Contents());
}

// A document parsed from bytes held in memory, as from a file.
CXmlFileDoc* Parse(const std::string& bytes) {
  CXmlFileDoc* doc = CXmlFileReader().GetDoc();
  CMemFile file(bytes.data(), bytes.size());
  doc->SetFile(file);
  return doc;
}

// The root of doc, released at once: whether the document parsed.
bool HasRoot(const CXmlFileDoc& doc) {
  return CXmlFileAutoPtr<CXmlFileElm>(doc.GetRoot()) != nullptr;
}

TEST(CXmlFileWriter, PutsLineFeedNamesOnNewLinesAndEscapesValues) {
  EXPECT_EQ(
      "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<!DOCTYPE Box>\n<Box>"
      "\n<Items><Item Text=\"y\"/><Other Text=\"y\"/><Item Text=\"y\"/>\n</Items>"
      "<Empty></Empty>\n</Box>\n",
      WriteSample("y"));
  CString attrs;
  CXmlFileWriter::AddAttrStr(attrs, "A", CString("&<>\"'\t\n\r\x01") + kJapanese);
  EXPECT_EQ(" A=\"&amp;&lt;&gt;&quot;'&#9;&#10;&#13;&#x1;" + kJapanese + "\"", attrs);
}

TEST(CXmlFileWriter, RefusesTagsThatDoNotNestAndNamesThatAreNotNames) {
  CMemFile file;
  CXmlFileWriter w;
  EXPECT_THROW(w.WriteBeginFile(file, "bad name", 1), CInvalidArgException);
  w.WriteBeginFile(file, "Root", 1);
  w.WriteBeginDoc(nullptr);
  w.WriteOpenTag("A", nullptr);
  EXPECT_THROW(w.WriteCloseTag("B"), CInvalidArgException);
  EXPECT_THROW(w.WriteEndDoc(), CInvalidArgException);  // A is still open
  EXPECT_THROW(w.WriteSingleTag("1x", nullptr), CInvalidArgException);
}

TEST(CXmlFileReader, FindsChildrenByNameInOrderAndReadsValuesExactly) {
  const CString text = CString("&<>\"'\t\n\r\x01") + kJapanese;
  CXmlFileAutoPtr<CXmlFileElms> top;
  {
    CXmlFileAutoPtr<CXmlFileDoc> doc(Parse(WriteSample(text)));
    CXmlFileAutoPtr<CXmlFileElm> root(doc->GetRoot());
    ASSERT_TRUE(root);
    EXPECT_TRUE(root->IsSameTagName("\nBox"));
    EXPECT_TRUE(root->IsSameTagName("Box"));
    EXPECT_FALSE(root->IsSameTagName("box"));
    top = root->GetChildren();
  }  // what was taken from a document outlives it
  CXmlFileAutoPtr<CXmlFileElm> items(top->FindAnElm("Items"));
  CXmlFileAutoPtr<CXmlFileElm> empty(top->FindAnElm("\nEmpty"));
  ASSERT_TRUE(items && empty);
  EXPECT_EQ(nullptr, empty->GetChildren());
  CXmlFileAutoPtr<CXmlFileElms> list(items->GetChildren());
  long position = 0;
  int found = 0;
  CString value;
  while (CXmlFileAutoPtr<CXmlFileElm>(list->FindElm("Item", position)))
    ++found;
  EXPECT_EQ(2, found);  // the Other element between them is passed over
  EXPECT_EQ(3, position);
  position = 1;
  CXmlFileAutoPtr<CXmlFileElm> second(list->FindElm("Item", position));
  ASSERT_TRUE(second);
  ASSERT_TRUE(second->GetAttr("Text", value));
  EXPECT_EQ(text, value);
  EXPECT_FALSE(second->GetAttr("Missing", value));
  EXPECT_EQ(text, value);  // untouched when absent
  position = -1;
  EXPECT_FALSE(CXmlFileAutoPtr<CXmlFileElm>(list->FindElm("Item", position)));
}

TEST(CXmlFileReader, RefusesDocumentsItCannotTrust) {
  for (const std::string& bytes : {
           std::string(),
           std::string("<A/><B/>"),
           std::string("<R N=\"abc/>"),
           std::string("<!DOCTYPE R [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><R N=\"&x;\"/>"),
           std::string("<?xml version=\"1.0\" encoding=\"EUC-JP\"?><R/>"),
           "<R N=\"" + std::string(CXmlFileDoc::kMaxValueLength + 1, 'x') + "\"/>",
       }) {
    CXmlFileAutoPtr<CXmlFileDoc> doc(Parse(bytes));
    EXPECT_FALSE(HasRoot(*doc)) << bytes.substr(0, 60);
  }
}

// In a UTF-8 document, converted to code page 932.
TEST(CXmlFileReader, FindsAttributesInAnyOrderAndConvertsUtf8ToCodePage932) {
  CXmlFileAutoPtr<CXmlFileDoc> doc(
      Parse("<?xml version=\"1.0\" encoding=\"UTF-8\"?><R N=\"" + afx::ToUtf8(kJapanese) +
            "\"><A x=\"1\" y=\"2\" z=\"3\"/><B/><A z=\"6\" x=\"4\"/></R>"));
  CXmlFileAutoPtr<CXmlFileElm> root(doc->GetRoot());
  CString value;
  ASSERT_TRUE(root && root->GetAttr("N", value));
  EXPECT_EQ(kJapanese, value);
  CXmlFileAutoPtr<CXmlFileElms> list(root->GetChildren());
  ASSERT_TRUE(list);
  long position = 1;
  CXmlFileAutoPtr<CXmlFileElm> elm(list->FindElm("A", position));
  ASSERT_TRUE(elm);
  EXPECT_EQ(3, position);
  CString x, y = "-", z;
  EXPECT_TRUE(elm->GetAttr("x", x) && elm->GetAttr("\nz", z));
  EXPECT_FALSE(elm->GetAttr("y", y));
  EXPECT_EQ(CString("4"), x);
  EXPECT_EQ(CString("-"), y);
  EXPECT_EQ(CString("6"), z);
}

TEST(CXmlFileReader, RefusesAnOverlongValueAnywhereInALargeDocument) {
  std::string items;
  for (int i = 0; i < 3000; ++i)
    items += "<I a=\"1\" b=\"2\"/>";
  const std::string overlong(CXmlFileDoc::kMaxValueLength + 1, 'x');
  for (const std::string& item : {"<I a=\"" + overlong + "\"/>", "<I a='" + overlong + "'/>",
                                  "<I b=\"1\" a=\"" + overlong + "\">t</I>"}) {
    CXmlFileAutoPtr<CXmlFileDoc> doc(Parse("<R>" + items + item + items + "</R>"));
    EXPECT_FALSE(HasRoot(*doc)) << item.substr(0, 8);
  }
  CXmlFileAutoPtr<CXmlFileDoc> doc(Parse("<R>" + items + "<I a=\"" +
                                         std::string(CXmlFileDoc::kMaxValueLength, 'x') + "\"/>" +
                                         items + "</R>"));
  EXPECT_TRUE(HasRoot(*doc));
}

}  // namespace
