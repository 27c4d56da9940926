#include "hostlibs/xmlfile/CXmlFileReader.h"

#include "hostlibs/xmlfile/CXmlFileDoc.h"

CXmlFileDoc* CXmlFileReader::GetDoc() const {
  return new CXmlFileDoc();
}
