// The registration's messages to the user, and the two kinds of message box it shows: errors
// with an OK button and the stop icon, questions with Yes and No and the exclamation icon.
#pragma once

#include "framework/CString.h"
#include "framework/FileProblem.h"

class CWnd;

namespace registration {

inline constexpr const char8_t* kEntryCaption = u8"ファイル登録エラー";
inline constexpr const char8_t* kSettingCaption = u8"情報設定エラー";
inline constexpr const char8_t* kLockCaption = u8"編集ロックエラー";
inline constexpr const char8_t* kOverwriteCaption = u8"ファイルの上書き確認";
inline constexpr const char8_t* kLockedByOther =
    u8"現在、他のユーザーが編集中です。再試行しますか？";
inline constexpr const char8_t* kNoSourceFolder = u8"登録元のフォルダが存在しません。";
inline constexpr const char8_t* kNoFolder = u8"登録先のフォルダが存在しません。";
inline constexpr const char8_t* kNoSuchFile = u8"指定のファイルが存在しません。";
inline constexpr const char8_t* kNoSuchFolder = u8"指定のフォルダが存在しません。";
inline constexpr const char8_t* kFolderHasName = u8"ファイル名称と一致するフォルダが存在します。";
inline constexpr const char8_t* kOverwrite =
    u8"登録先に名称の一致するファイルが既に存在します。\n上書き登録しますか？";
inline constexpr const char8_t* kCopyFailed = u8"ファイルのコピーに失敗しました。";
inline constexpr const char8_t* kFileCaption = u8"ファイルアクセスエラー";
inline constexpr const char8_t* kAccessDenied = u8"ファイルへのアクセスが拒否されました。";
inline constexpr const char8_t* kNotRegularFile = u8"通常のファイルではないため使用できません。";
inline constexpr const char8_t* kReadFailed = u8"ファイルの読み込みに失敗しました。";
inline constexpr const char8_t* kWriteFailed = u8"ファイルの書き込みに失敗しました。";
inline constexpr const char8_t* kBadName = u8"ファイル名に使用できない文字が含まれています。";
inline constexpr const char8_t* kSameNameTwice = u8"同じ名称のファイルが複数指定されています。";
inline constexpr const char8_t* kCompanionIsRegistered =
    u8"関連ファイルの名称が登録済みの別のファイルと一致するため上書きできません。";

// The message for a file fault other than a lock held by another user (which is asked about
// with kLockedByOther).
const char8_t* MessageFor(afx::FileFault fault);

// An error with OK and the stop icon, owned by parent (or by nobody).
void ShowError(CWnd* parent, const char8_t* text, const char8_t* caption);
// The same for a text made up from a path.
void ShowError(CWnd* parent, const CString& text, const char8_t* caption);
// A question with Yes and No and the exclamation icon; returns the button pressed.
int Ask(CWnd* parent, const char8_t* text, const char8_t* caption);

}  // namespace registration
