#include "templates/TovoLink.h"

IMPLEMENT_DYNAMIC(TovoLink, TovoItem)

TovoLink::TovoLink(const TovoLink& src)
    : TovoItem(src), info_(src.info_), extension_(src.extension_), data_no_(src.data_no_) {}

TovoLink& TovoLink::operator=(const TovoLink& src) {
  if (this != &src) {
    TovoItem::operator=(src);
    info_ = src.info_;
    extension_ = src.extension_;
    data_no_ = src.data_no_;
  }
  return *this;
}

TovoLink* TovoLink::Create(const LinkInfo* info) {
  TovoLink* link = new TovoLink;  // default-initialised: every member has its initialiser
  if (info) link->info_ = *info;
  return link;
}
