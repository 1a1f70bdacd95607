#include <windows.h>
#include <msxml2.h>
#include <oleauto.h>
#include <wrl/client.h>

#include "photoloft/xml_layout_reader.h"

#include "photoloft/com_scope.h"

using Microsoft::WRL::ComPtr;

namespace {

// DOMDocument and its document interface.
constexpr CLSID kDomDocumentClass = {
    0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
constexpr IID kDomDocumentInterface = {
    0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

class CBstr {
  public:
    explicit CBstr(const wchar_t* text) : value_(SysAllocString(text)) {}
    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;
    ~CBstr() { SysFreeString(value_); }
    BSTR get() const { return value_; }

  private:
    BSTR value_;
};

class CVariant {
  public:
    CVariant() { VariantInit(&value_); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;
    ~CVariant() { VariantClear(&value_); }
    VARIANT* get() { return &value_; }

    std::wstring Text() {
        if (value_.vt != VT_BSTR &&
            FAILED(VariantChangeType(&value_, &value_, VARIANT_ALPHABOOL, VT_BSTR)))
            return {};
        if (!value_.bstrVal) return {};
        return std::wstring(value_.bstrVal, SysStringLen(value_.bstrVal));
    }

  private:
    VARIANT value_;
};

bool LoadDocument(const std::wstring& path, ComPtr<IXMLDOMDocument>& document) {
    if (FAILED(CoCreateInstance(kDomDocumentClass, nullptr,
                                CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER,
                                kDomDocumentInterface,
                                reinterpret_cast<void**>(document.GetAddressOf()))) ||
        !document)
        return false;
    document->put_async(VARIANT_FALSE);
    // Layout files come from the network too: no DTD validation, no fetching of other files.
    document->put_validateOnParse(VARIANT_FALSE);
    document->put_resolveExternals(VARIANT_FALSE);
    CBstr bstrPath(path.c_str());
    if (!bstrPath.get()) return false;
    VARIANT source;
    VariantInit(&source);
    source.vt = VT_BSTR;
    source.bstrVal = bstrPath.get(); // borrowed: not cleared here
    VARIANT_BOOL loaded = VARIANT_FALSE;
    return SUCCEEDED(document->load(source, &loaded)) && loaded == VARIANT_TRUE;
}

XmlAttributes AttributesOf(IXMLDOMNode& node, const std::vector<std::wstring>& names) {
    XmlAttributes found;
    ComPtr<IXMLDOMNamedNodeMap> attributes;
    if (node.get_attributes(attributes.GetAddressOf()) != S_OK || !attributes) return found;
    for (const std::wstring& name : names) {
        CBstr bstrName(name.c_str());
        ComPtr<IXMLDOMNode> attribute;
        if (!bstrName.get() ||
            attributes->getNamedItem(bstrName.get(), attribute.GetAddressOf()) != S_OK ||
            !attribute)
            continue;
        CVariant value;
        if (SUCCEEDED(attribute->get_nodeValue(value.get()))) found[name] = value.Text();
    }
    return found;
}

} // namespace

bool ReadLayoutDocument(const std::wstring& path, const wchar_t* rootQuery,
                        const std::vector<std::wstring>& attributeNames,
                        std::vector<XmlAttributes>* children) {
    children->clear();
    CComScope com;
    if (!com.Usable()) return false;
    ComPtr<IXMLDOMDocument> document;
    if (!LoadDocument(path, document)) return false;
    ComPtr<IXMLDOMElement> element;
    if (document->get_documentElement(element.GetAddressOf()) != S_OK || !element) return false;
    ComPtr<IXMLDOMNode> root;
    if (!rootQuery || !*rootQuery) {
        root = element;
    } else {
        CBstr query(rootQuery);
        if (!query.get() || element->selectSingleNode(query.get(), root.GetAddressOf()) != S_OK ||
            !root)
            return false;
    }
    ComPtr<IXMLDOMNodeList> list;
    if (root->get_childNodes(list.GetAddressOf()) != S_OK || !list) return false;
    long length = 0;
    if (FAILED(list->get_length(&length))) return false;
    for (long i = 0; i < length; ++i) {
        ComPtr<IXMLDOMNode> child;
        if (list->get_item(i, child.GetAddressOf()) != S_OK || !child) continue;
        children->push_back(AttributesOf(*child.Get(), attributeNames));
    }
    return true;
}
