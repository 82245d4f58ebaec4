#include "TestNavigators.h"

#include <sstream>

namespace installer::test {
namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Describe(const hivewalk::Variant& value) {
    if (const std::string* text = value.As<std::string>()) return "String " + Quoted(*text);
    if (const double* number = value.As<double>()) {
        std::ostringstream out;
        out << "Double " << *number;
        return out.str();
    }
    return "VarType " + std::to_string(value.VarType());
}

}  // namespace

template <class Call>
auto RecordingNavigator::Logged(std::string line, Call&& call) -> decltype(call()) {
    log_.push_back(std::move(line));
    try {
        return call();
    } catch (const hivewalk::NavigatorError& e) {
        log_.push_back("  failed: " + e.Description);
        throw;
    }
}

void RecordingNavigator::Cd(const std::string& strDirectory) {
    Logged("Cd " + Quoted(strDirectory), [&] { inner_->Cd(strDirectory); });
}

hivewalk::Variant RecordingNavigator::DirKey() {
    return Logged("DirKey", [&] { return inner_->DirKey(); });
}

hivewalk::Variant RecordingNavigator::DirValue() {
    return Logged("DirValue", [&] { return inner_->DirValue(); });
}

void RecordingNavigator::ValueOf(const std::string& strValueName, std::int32_t& lngValueType,
                                 const hivewalk::Variant& vntValue) {
    Logged("ValueOf let " + Quoted(strValueName) + " " + std::to_string(lngValueType) + " " +
               Describe(vntValue),
           [&] { inner_->ValueOf(strValueName, lngValueType, vntValue); });
}

hivewalk::Variant RecordingNavigator::ValueOf(const std::string& strValueName,
                                              std::int32_t& lngValueType) {
    return Logged("ValueOf get " + Quoted(strValueName),
                  [&] { return inner_->ValueOf(strValueName, lngValueType); });
}

void RecordingNavigator::MakeKey(const std::string& strDirectory) {
    Logged("MakeKey " + Quoted(strDirectory), [&] { inner_->MakeKey(strDirectory); });
}

void RecordingNavigator::DeleteKey(const std::string& strName) {
    Logged("DeleteKey " + Quoted(strName), [&] { inner_->DeleteKey(strName); });
}

void RecordingNavigator::DeleteValue(const std::string& strName) {
    Logged("DeleteValue " + Quoted(strName), [&] { inner_->DeleteValue(strName); });
}

}  // namespace installer::test
