#include "platform/PrintSession.h"

namespace platform {

void PrintSession::SetData(std::string_view key, Value value)
{
    data_.insert_or_assign(std::string(key), std::move(value));
}

const PrintSession::Value* PrintSession::GetData(std::string_view key) const
{
    const auto it = data_.find(key);
    return it == data_.end() ? nullptr : &it->second;
}

} // namespace platform
