#include "NewYearTable.h"

#include "DateText.h"

namespace zodiac {

namespace {

struct RowTexts {
    std::string_view start;
    std::string_view end;
};

// The first and last day of every Chinese year, as in the published almanacs. The first row starts
// on 1 January 1936 rather than on that year's New Year (24 January), so the table covers whole
// Gregorian years from 1936 on.
constexpr std::array<RowTexts, NewYearRowCount> RowDateTexts{{
    {"01 January 1936", "10 February 1937"},  // 1936
    {"11 February 1937", "30 January 1938"},  // 1937
    {"31 January 1938", "18 February 1939"},  // 1938
    {"19 February 1939", "07 February 1940"}, // 1939
    {"08 February 1940", "26 January 1941"},  // 1940
    {"27 January 1941", "14 February 1942"},  // 1941
    {"15 February 1942", "04 February 1943"}, // 1942
    {"05 February 1943", "24 January 1944"},  // 1943
    {"25 January 1944", "12 February 1945"},  // 1944
    {"13 February 1945", "01 February 1946"}, // 1945
    {"02 February 1946", "21 January 1947"},  // 1946
    {"22 January 1947", "09 February 1948"},  // 1947
    {"10 February 1948", "28 January 1949"},  // 1948
    {"29 January 1949", "16 February 1950"},  // 1949
    {"17 February 1950", "05 February 1951"}, // 1950
    {"06 February 1951", "26 January 1952"},  // 1951
    {"27 January 1952", "13 February 1953"},  // 1952
    {"14 February 1953", "02 February 1954"}, // 1953
    {"03 February 1954", "23 January 1955"},  // 1954
    {"24 January 1955", "11 February 1956"},  // 1955
    {"12 February 1956", "30 January 1957"},  // 1956
    {"31 January 1957", "17 February 1958"},  // 1957
    {"18 February 1958", "07 February 1959"}, // 1958
    {"08 February 1959", "27 January 1960"},  // 1959
    {"28 January 1960", "14 February 1961"},  // 1960
    {"15 February 1961", "04 February 1962"}, // 1961
    {"05 February 1962", "24 January 1963"},  // 1962
    {"25 January 1963", "12 February 1964"},  // 1963
    {"13 February 1964", "01 February 1965"}, // 1964
    {"02 February 1965", "20 January 1966"},  // 1965
    {"21 January 1966", "08 February 1967"},  // 1966
    {"09 February 1967", "29 January 1968"},  // 1967
    {"30 January 1968", "16 February 1969"},  // 1968
    {"17 February 1969", "05 February 1970"}, // 1969
    {"06 February 1970", "26 January 1971"},  // 1970
    {"27 January 1971", "14 February 1972"},  // 1971
    {"15 February 1972", "02 February 1973"}, // 1972
    {"03 February 1973", "22 January 1974"},  // 1973
    {"23 January 1974", "10 February 1975"},  // 1974
    {"11 February 1975", "30 January 1976"},  // 1975
    {"31 January 1976", "17 February 1977"},  // 1976
    {"18 February 1977", "06 February 1978"}, // 1977
    {"07 February 1978", "27 January 1979"},  // 1978
    {"28 January 1979", "15 February 1980"},  // 1979
    {"16 February 1980", "04 February 1981"}, // 1980
    {"05 February 1981", "24 January 1982"},  // 1981
    {"25 January 1982", "12 February 1983"},  // 1982
    {"13 February 1983", "01 February 1984"}, // 1983
    {"02 February 1984", "19 February 1985"}, // 1984
    {"20 February 1985", "08 February 1986"}, // 1985
    {"09 February 1986", "28 January 1987"},  // 1986
    {"29 January 1987", "16 February 1988"},  // 1987
    {"17 February 1988", "05 February 1989"}, // 1988
    {"06 February 1989", "26 January 1990"},  // 1989
    {"27 January 1990", "14 February 1991"},  // 1990
    {"15 February 1991", "03 February 1992"}, // 1991
    {"04 February 1992", "22 January 1993"},  // 1992
    {"23 January 1993", "09 February 1994"},  // 1993
    {"10 February 1994", "30 January 1995"},  // 1994
    {"31 January 1995", "18 February 1996"},  // 1995
    {"19 February 1996", "06 February 1997"}, // 1996
    {"07 February 1997", "27 January 1998"},  // 1997
    {"28 January 1998", "15 February 1999"},  // 1998
    {"16 February 1999", "04 February 2000"}, // 1999
    {"05 February 2000", "23 January 2001"},  // 2000
    {"24 January 2001", "11 February 2002"},  // 2001
    {"12 February 2002", "31 January 2003"},  // 2002
    {"01 February 2003", "21 January 2004"},  // 2003
    {"22 January 2004", "08 February 2005"},  // 2004
    {"09 February 2005", "28 January 2006"},  // 2005
    {"29 January 2006", "17 February 2007"},  // 2006
    {"18 February 2007", "06 February 2008"}, // 2007
    {"07 February 2008", "25 January 2009"},  // 2008
    {"26 January 2009", "13 February 2010"},  // 2009
    {"14 February 2010", "02 February 2011"}, // 2010
    {"03 February 2011", "22 January 2012"},  // 2011
    {"23 January 2012", "09 February 2013"},  // 2012
    {"10 February 2013", "30 January 2014"},  // 2013
    {"31 January 2014", "18 February 2015"},  // 2014
    {"19 February 2015", "07 February 2016"}, // 2015
    {"08 February 2016", "27 January 2017"},  // 2016
    {"28 January 2017", "15 February 2018"},  // 2017
    {"16 February 2018", "04 February 2019"}, // 2018
    {"05 February 2019", "24 January 2020"},  // 2019
}};

} // namespace

NewYearTable BuildNewYearTable() {
    NewYearTable table{};
    for (int k = 0; k < NewYearRowCount; ++k) {
        NewYearRow& row = table[static_cast<std::size_t>(k)];
        // The texts are fixed and all valid; a failure here would be caught by the table tests.
        row.StartDate = ParseDayMonthYear(RowDateTexts[static_cast<std::size_t>(k)].start)
                            .value_or(std::chrono::year_month_day{});
        row.EndDate = ParseDayMonthYear(RowDateTexts[static_cast<std::size_t>(k)].end)
                          .value_or(std::chrono::year_month_day{});
        row.Sign = SignNames[static_cast<std::size_t>(k % 12)];
        row.Element = ElementNames[static_cast<std::size_t>((k / 2) % 5)];
    }
    return table;
}

std::optional<int> FindNewYearRow(const NewYearTable& table, std::chrono::year_month_day date) {
    if (!date.ok())
        return std::nullopt;
    const std::chrono::sys_days day{date};
    for (int k = 0; k < NewYearRowCount; ++k) {
        const NewYearRow& row = table[static_cast<std::size_t>(k)];
        if (!row.StartDate.ok() || !row.EndDate.ok())
            continue;
        if ((day - std::chrono::sys_days{row.StartDate}).count() >= 0 &&
            (day - std::chrono::sys_days{row.EndDate}).count() <= 0)
            return k;
    }
    return std::nullopt;
}

} // namespace zodiac
