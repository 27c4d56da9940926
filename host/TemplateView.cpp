#include "host/TemplateView.h"

#include <cstdint>
#include <nlohmann/json.hpp>

#include "host/Json.h"
#include "host/Table.h"
#include "host/Text.h"
#include "templates/TovoFileBox.h"
#include "templates/TovoFolder.h"
#include "templates/TovoLinkBox.h"
#include "templates/TovoTemplate.h"

namespace host {

namespace {

using json = nlohmann::ordered_json;

CString Number(long long value) {
  CString text;
  text.Format("%lld", value);
  return text;
}

// A group number is the unsigned 32-bit value the link box file holds.
std::uint32_t GroupNumber(const TovoLink& link) {
  return static_cast<std::uint32_t>(link.GetLinkInfo().GroupNo);
}

std::string Quoted(const CString& text) {
  return "\"" + Printable(text) + "\"";
}

void AppendFolderText(const TovoFolder& folder, int depth, std::string& out) {
  const std::string indent(static_cast<size_t>(depth) * 2, ' ');
  out += indent + Printable(folder.Name()) + "/  " + Printable(folder.DispName()) + "\n";
  for (int i = 0; i < folder.GetFileBoxCnt(); ++i) {
    const TovoFileBox* box = folder.GetFileBox(i);
    if (!box) continue;
    out += indent + "  [" + Printable(box->Name()) + "]  " + Printable(box->DispName()) + "  " +
           Printable(CString(u8"桁数 ")) + std::to_string(box->SNDigit()) + "  " +
           Printable(CString(u8"拡張子 ")) + Printable(box->Extension()) + "\n";
    for (int a = 0; a < box->GetAutoLinkCnt(); ++a) {
      const TovoFileBox::AutoLinkInfo& link = *box->GetAutoLink(a);
      out += indent + "    " + Printable(CString(u8"自動リンク ")) + std::to_string(link.Param1) +
             " " + std::to_string(link.Param2) + " " + Quoted(link.Text1) + " " +
             Quoted(link.Text2) + "\n";
    }
  }
  for (int i = 0; i < folder.GetFolderCnt(); ++i) {
    if (const TovoFolder* sub = folder.GetFolder(i)) AppendFolderText(*sub, depth + 1, out);
  }
}

json FileBoxJson(const TovoFileBox& box) {
  json auto_links = json::array();
  for (int a = 0; a < box.GetAutoLinkCnt(); ++a) {
    const TovoFileBox::AutoLinkInfo& link = *box.GetAutoLink(a);
    auto_links.push_back({{"param1", link.Param1},
                          {"param2", link.Param2},
                          {"text1", JsonText(link.Text1)},
                          {"text2", JsonText(link.Text2)}});
  }
  return {{"name", JsonText(box.Name())},
          {"dispName", JsonText(box.DispName())},
          {"snDigit", box.SNDigit()},
          {"extension", JsonText(box.Extension())},
          {"autoLinks", std::move(auto_links)}};
}

json FolderJson(const TovoFolder& folder) {
  json boxes = json::array();
  for (int i = 0; i < folder.GetFileBoxCnt(); ++i) {
    if (const TovoFileBox* box = folder.GetFileBox(i)) boxes.push_back(FileBoxJson(*box));
  }
  json folders = json::array();
  for (int i = 0; i < folder.GetFolderCnt(); ++i) {
    if (const TovoFolder* sub = folder.GetFolder(i)) folders.push_back(FolderJson(*sub));
  }
  return {{"name", JsonText(folder.Name())},
          {"dispName", JsonText(folder.DispName())},
          {"fileBoxes", std::move(boxes)},
          {"folders", std::move(folders)}};
}

Table LinksTable() {
  Table table({CString(u8"番号"), CString(u8"グループ番号"), CString(u8"フォルダ名"),
               CString(u8"名前"), CString(u8"表示名"), CString(u8"拡張子"),
               CString(u8"追加テキスト")});
  table.SetRightAligned({true, true});
  return table;
}

std::string LinksText(const TovoLinkBox& box, bool deleted) {
  Table table = LinksTable();
  const int count = deleted ? box.GetDelLinkCnt() : box.GetLinkCnt();
  for (int i = 0; i < count; ++i) {
    const TovoLink* link = deleted ? box.GetDelLink(i) : box.GetLink(i);
    if (!link) continue;
    table.AddRow({Number(link->GetDataNo()), Number(GroupNumber(*link)),
                  link->GetLinkInfo().FolName, link->Name(), link->DispName(), link->GetExtension(),
                  link->GetAddText()});
  }
  return table.Render();
}

json LinksJson(const TovoLinkBox& box, bool deleted) {
  json links = json::array();
  const int count = deleted ? box.GetDelLinkCnt() : box.GetLinkCnt();
  for (int i = 0; i < count; ++i) {
    const TovoLink* link = deleted ? box.GetDelLink(i) : box.GetLink(i);
    if (!link) continue;
    links.push_back({{"no", link->GetDataNo()},
                     {"groupNo", GroupNumber(*link)},
                     {"folName", JsonText(link->GetLinkInfo().FolName)},
                     {"name", JsonText(link->Name())},
                     {"dispName", JsonText(link->DispName())},
                     {"extension", JsonText(link->GetExtension())},
                     {"addText", JsonText(link->GetAddText())}});
  }
  return links;
}

}  // namespace

std::string TemplateListText(const std::vector<ListedTemplate>& templates) {
  Table table({CString(u8"種類"), CString(u8"ファイル名"), CString(u8"テンプレート名")});
  for (const ListedTemplate& t : templates) {
    table.AddRow({CString(t.standard ? u8"標準" : u8"ユーザー"), t.file_name,
                  t.readable ? t.name : CString(u8"（読めません）")});
  }
  return table.Render();
}

json TemplateListJson(const CString& folder, const std::vector<ListedTemplate>& templates) {
  json list = json::array();
  for (const ListedTemplate& t : templates) {
    list.push_back({{"path", JsonText(t.path)},
                    {"fileName", JsonText(t.file_name)},
                    {"kind", t.standard ? "standard" : "user"},
                    {"name", t.readable ? json(JsonText(t.name)) : json(nullptr)},
                    {"problem", t.readable ? json(nullptr) : json(t.problem)}});
  }
  return {{"folder", JsonText(folder)}, {"templates", std::move(list)}};
}

std::string TemplateText(const TovoTemplate& tmpl) {
  Table settings({CString(u8"テンプレート名"), tmpl.Name()});
  settings.AddRow({CString(u8"出力テキスト"), tmpl.OutText()});
  settings.AddRow({CString(u8"出力プログラム"), tmpl.OutProgram()});
  settings.AddRow({CString(u8"出力コマンドライン"), tmpl.OutCmdLine()});
  std::string out = settings.Render();
  for (int i = 0; i < tmpl.GetFolderCnt(); ++i) {
    if (const TovoFolder* folder = tmpl.GetFolder(i)) AppendFolderText(*folder, 0, out);
  }
  return out;
}

json TemplateJson(const CString& path, const TovoTemplate& tmpl) {
  json folders = json::array();
  for (int i = 0; i < tmpl.GetFolderCnt(); ++i) {
    if (const TovoFolder* folder = tmpl.GetFolder(i)) folders.push_back(FolderJson(*folder));
  }
  return {{"path", JsonText(path)},
          {"name", JsonText(tmpl.Name())},
          {"outText", JsonText(tmpl.OutText())},
          {"outProgram", JsonText(tmpl.OutProgram())},
          {"outCmdLine", JsonText(tmpl.OutCmdLine())},
          {"folders", std::move(folders)}};
}

std::string LinkBoxText(const TovoLinkBox& box) {
  std::string out = Printable(box.Name()) + "  " + Printable(box.DispName()) + "\n";
  out += LinksText(box, false);
  out += "\n" + Printable(CString(u8"削除済みリンク")) + "\n";
  return out + LinksText(box, true);
}

json LinkBoxJson(const CString& path, const TovoLinkBox& box) {
  return {{"path", JsonText(path)},
          {"name", JsonText(box.Name())},
          {"dispName", JsonText(box.DispName())},
          {"links", LinksJson(box, false)},
          {"deletedLinks", LinksJson(box, true)}};
}

}  // namespace host
