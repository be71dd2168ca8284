#pragma once

namespace MarkupUI::AttributeValues {

template <std::size_t N> std::array<int32_t, N> ParseIntList(QStringView value)
{
    std::array<int32_t, N> result{};
    qsizetype position = 0;
    for (std::size_t i = 0; i < N; ++i) {
        if (position >= value.size()) {
            break;
        }
        const NumberPrefix number = ReadLong(value.mid(position), 10);
        result[i] = static_cast<int32_t>(number.value);
        // The next integer starts one character after this one ended.
        position += number.end + 1;
    }
    return result;
}

} // namespace MarkupUI::AttributeValues
