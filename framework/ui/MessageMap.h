// Message maps: tables from (notification code, control id) to member functions, chained to
// the base class's table, as the framework builds them with its macros.
#pragma once

#include "framework/ui/WinTypes.h"

class CWnd;

using AFX_PMSG = void (CWnd::*)();
using AFX_PNOTIFY = void (CWnd::*)(NMHDR*, LRESULT*);
// A key message's handler: key, repeat count, flags.
using AFX_PKEYMSG = void (CWnd::*)(UINT, UINT, UINT);

// A command or notification from a control (pfn or pfnNotify), or a window message to the
// window itself (pfnKey, with nID 0 and the message in nCode).
struct AFX_MSGMAP_ENTRY {
  UINT nCode;  // notification code (BN_CLICKED, CBN_SELCHANGE, TVN_SELCHANGED...) or message
  UINT nID;    // control id
  AFX_PMSG pfn;
  AFX_PNOTIFY pfnNotify;
  AFX_PKEYMSG pfnKey;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                       \
 protected:                                         \
  static const AFX_MSGMAP* GetThisMessageMap();     \
  const AFX_MSGMAP* GetMessageMap() const override; \
                                                    \
 private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)        \
  const AFX_MSGMAP* theClass::GetMessageMap() const { \
    return GetThisMessageMap();                       \
  }                                                   \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {   \
    using ThisClass = theClass;                       \
    using TheBaseClass = baseClass;                   \
    static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                    \
  { 0, 0, nullptr, nullptr, nullptr }                                        \
  }                                                                          \
  ;                                                                          \
  static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
  return &map;                                                               \
  }

#define ON_CONTROL(code, id, fn) \
  {code, static_cast<UINT>(id), static_cast<AFX_PMSG>(&ThisClass::fn), nullptr, nullptr},
#define ON_COMMAND(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_NOTIFY(code, id, fn) \
  {code, static_cast<UINT>(id), nullptr, static_cast<AFX_PNOTIFY>(&ThisClass::fn), nullptr},
#define ON_WM_KEYDOWN() \
  {WM_KEYDOWN, 0, nullptr, nullptr, static_cast<AFX_PKEYMSG>(&ThisClass::OnKeyDown)},
