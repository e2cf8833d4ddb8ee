#include "host/pdf/CosObj.h"

#include "LibraryCall.h"
#include "PDDocRec.h"

#include <cmath>
#include <limits>

namespace {

// The engine's object for a CosObj; the null handle for the null object.
QPDFObjectHandle engineObject(CosObj obj) {
    if (obj.docId == 0) {
        return QPDFObjectHandle::newNull();
    }
    return PDDocRec::owner(obj).object(obj);
}

CosType typeOf(QPDFObjectHandle object) {
    switch (object.getTypeCode()) {
    case ::ot_integer:
        return CosInteger;
    case ::ot_real:
        return CosFixed;
    case ::ot_boolean:
        return CosBoolean;
    case ::ot_name:
        return CosName;
    case ::ot_string:
        return CosString;
    case ::ot_dictionary:
        return CosDict;
    case ::ot_array:
        return CosArray;
    case ::ot_stream:
        return CosStream;
    default:
        return CosNull;
    }
}

QPDFObjectHandle requireNumber(CosObj obj) {
    QPDFObjectHandle object = engineObject(obj);
    if (!object.isNumber()) {
        ASRaise(cosErrExpectedNumber);
    }
    return object;
}

QPDFObjectHandle requireArray(CosObj obj) {
    QPDFObjectHandle object = engineObject(obj);
    if (!object.isArray()) {
        ASRaise(cosErrExpectedArray);
    }
    return object;
}

// Names are stored with their leading slash.
std::string bareName(QPDFObjectHandle name) {
    return name.getName().substr(1);
}

bool equalScalars(QPDFObjectHandle a, QPDFObjectHandle b) {
    const CosType type = typeOf(a);
    if ((type == CosInteger || type == CosFixed) && b.isNumber()) {
        return a.getNumericValue() == b.getNumericValue();
    }
    if (type != typeOf(b)) {
        return false;
    }
    switch (type) {
    case CosBoolean:
        return a.getBoolValue() == b.getBoolValue();
    case CosName:
        return a.getName() == b.getName();
    case CosString:
        return a.getStringValue() == b.getStringValue();
    default:
        return false;
    }
}

} // namespace

CosObj CosNewNull() {
    return CosObj{};
}

CosType CosObjGetType(CosObj obj) {
    return libraryCall([&] { return typeOf(engineObject(obj)); });
}

ASBool CosObjEqual(CosObj a, CosObj b) {
    return libraryCall([&]() -> ASBool {
        if (a.docId != b.docId) {
            return ASFalse;
        }
        if (a.docId == 0 || a.slot == b.slot) {
            return ASTrue;
        }
        QPDFObjectHandle first = engineObject(a);
        QPDFObjectHandle second = engineObject(b);
        if (first.isIndirect() || second.isIndirect()) {
            return first.getObjGen() == second.getObjGen() ? ASTrue : ASFalse;
        }
        return first.isSameObjectAs(second) || equalScalars(first, second) ? ASTrue : ASFalse;
    });
}

CosObj CosDictGetKeyString(CosObj dict, const char* key) {
    if (key == nullptr) {
        ASRaise(genErrBadParm);
    }
    return libraryCall([&] {
        if (dict.docId == 0) {
            return CosNewNull();
        }
        PDDocRec& doc = PDDocRec::owner(dict);
        QPDFObjectHandle object = doc.object(dict);
        if (object.isStream()) {
            object = object.getDict();
        }
        if (!object.isDictionary()) {
            ASRaise(cosErrExpectedDict);
        }
        const std::string name = std::string("/") + key;
        return doc.member(dict, name, object.getKey(name));
    });
}

ASBool CosDictKnownKeyString(CosObj dict, const char* key) {
    return CosObjGetType(CosDictGetKeyString(dict, key)) != CosNull ? ASTrue : ASFalse;
}

ASTArraySize CosArrayLength(CosObj array) {
    return libraryCall([&] { return std::min(requireArray(array).getArrayNItems(), CosMaxArrayLength); });
}

CosObj CosArrayGet(CosObj array, ASTArraySize index) {
    return libraryCall([&] {
        QPDFObjectHandle object = requireArray(array);
        if (index < 0 || index >= std::min(object.getArrayNItems(), CosMaxArrayLength)) {
            ASRaise(cosErrArrayBounds);
        }
        return PDDocRec::owner(array).element(array, index, object.getArrayItem(index));
    });
}

ASFixed CosFixedValue(CosObj number) {
    return libraryCall([&] { return ASFloatToFixed(requireNumber(number).getNumericValue()); });
}

double CosFloatValue(CosObj number) {
    return libraryCall([&] { return requireNumber(number).getNumericValue(); });
}

ASInt32 CosIntegerValue(CosObj number) {
    return libraryCall([&] {
        const double value = std::trunc(requireNumber(number).getNumericValue());
        if (std::isnan(value)) {
            return ASInt32{0};
        }
        // Saturate rather than overflow for numbers beyond 32 bits.
        const double clamped = std::clamp(value, static_cast<double>(std::numeric_limits<ASInt32>::min()),
                                          static_cast<double>(std::numeric_limits<ASInt32>::max()));
        return static_cast<ASInt32>(clamped);
    });
}

ASBool CosBooleanValue(CosObj boolean) {
    return libraryCall([&] {
        QPDFObjectHandle object = engineObject(boolean);
        if (!object.isBool()) {
            ASRaise(genErrBadParm);
        }
        return object.getBoolValue() ? ASTrue : ASFalse;
    });
}

ASAtom CosNameValue(CosObj name) {
    return libraryCall([&] {
        QPDFObjectHandle object = engineObject(name);
        if (!object.isName()) {
            ASRaise(cosErrExpectedName);
        }
        return ASAtomFromString(bareName(object).c_str());
    });
}

char* CosStringValue(CosObj string, ASTArraySize* length) {
    return libraryCall([&] {
        if (typeOf(engineObject(string)) != CosString) {
            ASRaise(cosErrExpectedString);
        }
        const std::string& bytes = PDDocRec::owner(string).stringBytes(string);
        if (length != nullptr) {
            *length = static_cast<ASTArraySize>(bytes.size());
        }
        return const_cast<char*>(bytes.data());
    });
}
