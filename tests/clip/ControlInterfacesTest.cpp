// The control's automation and OLE interfaces, aggregation, and the class objects with
// the library's unload rule.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/clip/ControlTestEnvironment.h"
#include "tests/clip/TestContainer.h"

namespace cliptest {
namespace {

class ControlInterfacesTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent_ = std::make_unique<TestWindow>(nullptr, RECT{0, 0, 200, 100}, WS_OVERLAPPEDWINDOW);
        control_ = std::make_unique<HostedControl>(parent_->Get(), RECT{0, 0, 24, 24});
        ASSERT_TRUE(control_->Created());
        ASSERT_EQ(control_->Object()->QueryInterface(IID_IDispatch, dispatch_.PutVoid()), S_OK);
    }
    void TearDown() override {
        dispatch_.Reset();
        control_.reset();
        parent_.reset();
        ControlTest::TearDown();
    }

    std::unique_ptr<TestWindow> parent_;
    std::unique_ptr<HostedControl> control_;
    ComPtr<IDispatch> dispatch_;
};

TEST_F(ControlInterfacesTest, HwndCanBeReadButNotWritten) {
    const HWND window = control_->Window();
    ASSERT_TRUE(window);
    EXPECT_EQ(ReadHwndProperty(dispatch_.Get()), window);

    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = 0x1234;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS put{&value, &named, 1, 1};
    EXCEPINFO exception{};
    EXPECT_EQ(dispatch_->Invoke(DISPID_HWND, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &put, nullptr,
                                &exception, nullptr),
              DISP_E_EXCEPTION);
    EXPECT_EQ(exception.scode, CTL_E_SETNOTSUPPORTED);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    EXPECT_EQ(dispatch_->Invoke(DISPID_HWND, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &put, nullptr,
                                nullptr, nullptr),
              CTL_E_SETNOTSUPPORTED);
    EXPECT_EQ(ReadHwndProperty(dispatch_.Get()), window);
}

TEST_F(ControlInterfacesTest, InvokeChecksMembersAndArguments) {
    DISPPARAMS none{};
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    DISPPARAMS one{&argument, nullptr, 1, 0};
    EXPECT_EQ(dispatch_->Invoke(kStartViewer, IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr),
              DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(dispatch_->Invoke(3, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(dispatch_->Invoke(kStartViewer, kDispatchIid, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
    // Visual Basic calls methods with both flags.
    EXPECT_EQ(dispatch_->Invoke(kStopViewer, IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &none, nullptr,
                                nullptr, nullptr),
              S_OK);
}

TEST_F(ControlInterfacesTest, TypeInformationComesFromTheTypeLibrary) {
    UINT count = 0;
    EXPECT_EQ(dispatch_->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(dispatch_->GetTypeInfo(0, 0x0409, info.Put()), S_OK);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
    EXPECT_TRUE(IsEqualGUID(attr->guid, kDispatchIid));
    info->ReleaseTypeAttr(attr);

    const std::pair<const wchar_t*, DISPID> names[] = {
        {L"StopViewer", kStopViewer}, {L"StartViewer", kStartViewer}, {L"hWnd", DISPID_HWND}};
    for (const auto& [name, expected] : names) {
        auto* text = const_cast<LPOLESTR>(name);
        DISPID id = 0;
        EXPECT_EQ(dispatch_->GetIDsOfNames(IID_NULL, &text, 1, 0x0409, &id), S_OK) << Narrow(name);
        EXPECT_EQ(id, expected) << Narrow(name);
    }

    ComPtr<IProvideClassInfo2> provide;
    ASSERT_EQ(control_->Object()->QueryInterface(IID_IProvideClassInfo2, provide.PutVoid()), S_OK);
    GUID source{};
    EXPECT_EQ(provide->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), S_OK);
    EXPECT_TRUE(IsEqualGUID(source, kEventsIid));
    ComPtr<ITypeInfo> coclass;
    ASSERT_EQ(provide->GetClassInfo(coclass.Put()), S_OK);
    ASSERT_EQ(coclass->GetTypeAttr(&attr), S_OK);
    EXPECT_TRUE(IsEqualGUID(attr->guid, kClipClsid));
    EXPECT_EQ(attr->typekind, TKIND_COCLASS);
    coclass->ReleaseTypeAttr(attr);
}

TEST_F(ControlInterfacesTest, OleObjectReportsItsClassStatusAndVerbs) {
    IOleObject* object = control_->Object();
    DWORD status = 0;
    EXPECT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
    EXPECT_EQ(status, kMiscStatus);
    LPOLESTR type = nullptr;
    ASSERT_EQ(object->GetUserType(USERCLASSTYPE_FULL, &type), S_OK);
    EXPECT_EQ(Narrow(type), "Clip Control");
    CoTaskMemFree(type);
    CLSID clsid{};
    EXPECT_EQ(object->GetUserClassID(&clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, kClipClsid));

    ComPtr<IEnumOLEVERB> verbs;
    ASSERT_EQ(object->EnumVerbs(verbs.Put()), S_OK);
    std::vector<LONG> found;
    OLEVERB verb{};
    while (verbs->Next(1, &verb, nullptr) == S_OK) {
        found.push_back(verb.lVerb);
        EXPECT_TRUE(verb.lpszVerbName && *verb.lpszVerbName);
        CoTaskMemFree(verb.lpszVerbName);
    }
    EXPECT_EQ(found, std::vector<LONG>{OLEIVERB_PROPERTIES});

    ComPtr<ISpecifyPropertyPages> specify;
    ASSERT_EQ(object->QueryInterface(IID_ISpecifyPropertyPages, specify.PutVoid()), S_OK);
    CAUUID pages{};
    ASSERT_EQ(specify->GetPages(&pages), S_OK);
    ASSERT_EQ(pages.cElems, 1u);
    EXPECT_TRUE(IsEqualCLSID(pages.pElems[0], kPropPageClsid));
    CoTaskMemFree(pages.pElems);

    // The interfaces a host asks for, and IUnknown as the one identity behind them.
    const IID* wanted[] = {&IID_IOleObject,      &IID_IOleInPlaceObject,     &IID_IOleInPlaceActiveObject,
                           &IID_IOleControl,     &IID_IViewObject2,          &IID_IPersistStreamInit,
                           &IID_IPersistStream,  &IID_IPersistPropertyBag,   &IID_IPersistStorage,
                           &IID_IProvideClassInfo2, &IID_ISpecifyPropertyPages, &IID_IConnectionPointContainer,
                           &kDispatchIid};
    ComPtr<IUnknown> identity;
    ASSERT_EQ(object->QueryInterface(IID_IUnknown, identity.PutVoid()), S_OK);
    for (const IID* iid : wanted) {
        ComPtr<IUnknown> piece;
        ASSERT_EQ(object->QueryInterface(*iid, piece.PutVoid()), S_OK);
        ComPtr<IUnknown> back;
        ASSERT_EQ(piece->QueryInterface(IID_IUnknown, back.PutVoid()), S_OK);
        EXPECT_EQ(back.Get(), identity.Get());
    }
}

TEST_F(ControlInterfacesTest, EnumAdviseWithNothingAdvisedIsEmpty) {
    ComPtr<IEnumSTATDATA> advises;
    ASSERT_EQ(control_->Object()->EnumAdvise(advises.Put()), S_OK);
    ASSERT_TRUE(advises);
    STATDATA data{};
    ULONG fetched = 7;
    EXPECT_EQ(advises->Next(1, &data, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
}

TEST_F(ControlInterfacesTest, ConnectionPointTakesAnyNumberOfSinks) {
    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(control_->Object()->QueryInterface(IID_IConnectionPointContainer, container.PutVoid()), S_OK);
    ComPtr<IConnectionPoint> other;
    EXPECT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, other.Put()), CONNECT_E_NOCONNECTION);

    ComPtr<IEnumConnectionPoints> points;
    ASSERT_EQ(container->EnumConnectionPoints(points.Put()), S_OK);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(points->Next(1, point.Put(), nullptr), S_OK);
    IID iid{};
    point->GetConnectionInterface(&iid);
    EXPECT_TRUE(IsEqualIID(iid, kEventsIid));
    ComPtr<IConnectionPoint> none;
    EXPECT_EQ(points->Next(1, none.Put(), nullptr), S_FALSE);
    ComPtr<IConnectionPointContainer> back;
    ASSERT_EQ(point->GetConnectionPointContainer(back.Put()), S_OK);
    EXPECT_EQ(back.Get(), container.Get());

    auto first = MakeComObject<EventSink>();
    auto second = MakeComObject<EventSink>();
    const DWORD firstCookie = control_->Connect(first.Get());
    const DWORD secondCookie = control_->Connect(second.Get());
    ASSERT_NE(firstCookie, 0u);
    ASSERT_NE(secondCookie, 0u);
    EXPECT_NE(firstCookie, secondCookie);

    ComPtr<IEnumConnections> connections;
    ASSERT_EQ(point->EnumConnections(connections.Put()), S_OK);
    CONNECTDATA data[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(connections->Next(3, data, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 2u);
    for (ULONG i = 0; i < fetched; ++i) data[i].pUnk->Release();
    connections.Reset();

    control_->StartViewer();
    PumpFor(50);
    first->events = second->events = 0;
    ASSERT_TRUE(SetClipboardText(parent_->Get(), "two sinks"));
    PumpFor(50);
    EXPECT_EQ(first->events, 1);
    EXPECT_EQ(second->events, 1);
    EXPECT_EQ(first->otherCalls + second->otherCalls, 0);

    EXPECT_EQ(point->Unadvise(firstCookie), S_OK);
    EXPECT_EQ(point->Unadvise(firstCookie), CONNECT_E_NOCONNECTION);
    ASSERT_TRUE(SetClipboardText(parent_->Get(), "one sink"));
    PumpFor(50);
    EXPECT_EQ(first->events, 1);
    EXPECT_EQ(second->events, 2);
    control_->StopViewer();
    EXPECT_EQ(point->Unadvise(secondCookie), S_OK);
    EXPECT_EQ(first->Refs(), 1);
    EXPECT_EQ(second->Refs(), 1);
}

// An object that aggregates the control, as a container's extended control does: its own
// IUnknown answers, and everything else is the inner object's.
class Aggregate final : public TestObject<IUnknown> {
public:
    ComPtr<IUnknown> inner;
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown) {
            *out = static_cast<IUnknown*>(this);
            AddRef();
            return S_OK;
        }
        return inner ? inner->QueryInterface(iid, out) : E_NOINTERFACE;
    }

private:
    void* FindInterface(REFIID) override { return nullptr; }
};

TEST_F(ControlInterfacesTest, ControlCanBeAggregated) {
    auto outer = MakeComObject<Aggregate>();
    ComPtr<IDispatch> refused;
    EXPECT_EQ(CoCreateInstance(kClipClsid, outer.Get(), CLSCTX_INPROC_SERVER, IID_IDispatch, refused.PutVoid()),
              CLASS_E_NOAGGREGATION);
    ASSERT_EQ(CoCreateInstance(kClipClsid, outer.Get(), CLSCTX_INPROC_SERVER, IID_IUnknown, outer->inner.PutVoid()),
              S_OK);
    EXPECT_EQ(outer->Refs(), 1) << "the inner object must not hold its outer object";

    ComPtr<IOleObject> object;
    ASSERT_EQ(outer->QueryInterface(IID_IOleObject, object.PutVoid()), S_OK);
    EXPECT_EQ(outer->Refs(), 2) << "interfaces of the inner object count on the outer object";
    ComPtr<IUnknown> identity;
    ASSERT_EQ(object->QueryInterface(IID_IUnknown, identity.PutVoid()), S_OK);
    EXPECT_EQ(identity.Get(), static_cast<IUnknown*>(outer.Get()));
    identity.Reset();
    EXPECT_EQ(CallMethod(object.Get(), kStopViewer), S_OK);
    object.Reset();
    EXPECT_EQ(outer->Refs(), 1);
    outer->inner.Reset();
}

TEST_F(ControlInterfacesTest, LibraryStaysLoadedWhileAnObjectOrALockLives) {
    // The fixture's control is alive.
    EXPECT_EQ(library().CanUnloadNow(), S_FALSE);
    dispatch_.Reset();
    control_.reset();
    EXPECT_EQ(library().CanUnloadNow(), S_OK);

    ComPtr<IUnknown> unknown;
    EXPECT_EQ(library().GetClassObject(kDispatchIid, IID_IClassFactory, unknown.PutVoid()), CLASS_E_CLASSNOTAVAILABLE);

    for (const CLSID* clsid : {&kClipClsid, &kPropPageClsid}) {
        ComPtr<IClassFactory> factory;
        ASSERT_EQ(library().GetClassObject(*clsid, IID_IClassFactory, factory.PutVoid()), S_OK);
        EXPECT_EQ(library().CanUnloadNow(), S_FALSE) << "a held class object keeps the library";
        ASSERT_EQ(factory->LockServer(TRUE), S_OK);
        factory.Reset();
        EXPECT_EQ(library().CanUnloadNow(), S_FALSE) << "a lock keeps the library";
        ASSERT_EQ(library().GetClassObject(*clsid, IID_IClassFactory, factory.PutVoid()), S_OK);
        ASSERT_EQ(factory->LockServer(FALSE), S_OK);
        ComPtr<IUnknown> instance;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, instance.PutVoid()), S_OK);
        factory.Reset();
        EXPECT_EQ(library().CanUnloadNow(), S_FALSE) << "an object keeps the library";
        instance.Reset();
        EXPECT_EQ(library().CanUnloadNow(), S_OK);
    }
}

}  // namespace
}  // namespace cliptest
