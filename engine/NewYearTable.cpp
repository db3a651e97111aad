#include "NewYearTable.h"

#include "DateText.h"

namespace zodiac {

namespace {

struct RowTexts {
    std::string_view start;
    std::string_view end;
};

// The first and last day of every Chinese year, as in the published almanacs of China: from 1929 on
// reckoned in China's time zone (UTC+8), before that in Beijing's local time. Checked day by day
// against ICU's Chinese calendar and against new moons and solar terms computed with PyEphem.
constexpr std::array<RowTexts, NewYearRowCount> RowDateTexts{{
    {"10 February 1899", "30 January 1900"},  // 1899
    {"31 January 1900", "18 February 1901"},  // 1900
    {"19 February 1901", "07 February 1902"}, // 1901
    {"08 February 1902", "28 January 1903"},  // 1902
    {"29 January 1903", "15 February 1904"},  // 1903
    {"16 February 1904", "03 February 1905"}, // 1904
    {"04 February 1905", "24 January 1906"},  // 1905
    {"25 January 1906", "12 February 1907"},  // 1906
    {"13 February 1907", "01 February 1908"}, // 1907
    {"02 February 1908", "21 January 1909"},  // 1908
    {"22 January 1909", "09 February 1910"},  // 1909
    {"10 February 1910", "29 January 1911"},  // 1910
    {"30 January 1911", "17 February 1912"},  // 1911
    {"18 February 1912", "05 February 1913"}, // 1912
    {"06 February 1913", "25 January 1914"},  // 1913
    {"26 January 1914", "13 February 1915"},  // 1914
    {"14 February 1915", "02 February 1916"}, // 1915
    {"03 February 1916", "22 January 1917"},  // 1916
    {"23 January 1917", "10 February 1918"},  // 1917
    {"11 February 1918", "31 January 1919"},  // 1918
    {"01 February 1919", "19 February 1920"}, // 1919
    {"20 February 1920", "07 February 1921"}, // 1920
    {"08 February 1921", "27 January 1922"},  // 1921
    {"28 January 1922", "15 February 1923"},  // 1922
    {"16 February 1923", "04 February 1924"}, // 1923
    {"05 February 1924", "23 January 1925"},  // 1924
    {"24 January 1925", "12 February 1926"},  // 1925
    {"13 February 1926", "01 February 1927"}, // 1926
    {"02 February 1927", "22 January 1928"},  // 1927
    {"23 January 1928", "09 February 1929"},  // 1928
    {"10 February 1929", "29 January 1930"},  // 1929
    {"30 January 1930", "16 February 1931"},  // 1930
    {"17 February 1931", "05 February 1932"}, // 1931
    {"06 February 1932", "25 January 1933"},  // 1932
    {"26 January 1933", "13 February 1934"},  // 1933
    {"14 February 1934", "03 February 1935"}, // 1934
    {"04 February 1935", "23 January 1936"},  // 1935
    {"24 January 1936", "10 February 1937"},  // 1936
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
    {"25 January 2020", "11 February 2021"},  // 2020
    {"12 February 2021", "31 January 2022"},  // 2021
    {"01 February 2022", "21 January 2023"},  // 2022
    {"22 January 2023", "09 February 2024"},  // 2023
    {"10 February 2024", "28 January 2025"},  // 2024
    {"29 January 2025", "16 February 2026"},  // 2025
    {"17 February 2026", "05 February 2027"}, // 2026
    {"06 February 2027", "25 January 2028"},  // 2027
    {"26 January 2028", "12 February 2029"},  // 2028
    {"13 February 2029", "02 February 2030"}, // 2029
    {"03 February 2030", "22 January 2031"},  // 2030
    {"23 January 2031", "10 February 2032"},  // 2031
    {"11 February 2032", "30 January 2033"},  // 2032
    {"31 January 2033", "18 February 2034"},  // 2033
    {"19 February 2034", "07 February 2035"}, // 2034
    {"08 February 2035", "27 January 2036"},  // 2035
    {"28 January 2036", "14 February 2037"},  // 2036
    {"15 February 2037", "03 February 2038"}, // 2037
    {"04 February 2038", "23 January 2039"},  // 2038
    {"24 January 2039", "11 February 2040"},  // 2039
    {"12 February 2040", "31 January 2041"},  // 2040
    {"01 February 2041", "21 January 2042"},  // 2041
    {"22 January 2042", "09 February 2043"},  // 2042
    {"10 February 2043", "29 January 2044"},  // 2043
    {"30 January 2044", "16 February 2045"},  // 2044
    {"17 February 2045", "05 February 2046"}, // 2045
    {"06 February 2046", "25 January 2047"},  // 2046
    {"26 January 2047", "13 February 2048"},  // 2047
    {"14 February 2048", "01 February 2049"}, // 2048
    {"02 February 2049", "22 January 2050"},  // 2049
    {"23 January 2050", "10 February 2051"},  // 2050
    {"11 February 2051", "31 January 2052"},  // 2051
    {"01 February 2052", "18 February 2053"}, // 2052
    {"19 February 2053", "07 February 2054"}, // 2053
    {"08 February 2054", "27 January 2055"},  // 2054
    {"28 January 2055", "14 February 2056"},  // 2055
    {"15 February 2056", "03 February 2057"}, // 2056
    {"04 February 2057", "23 January 2058"},  // 2057
    {"24 January 2058", "11 February 2059"},  // 2058
    {"12 February 2059", "01 February 2060"}, // 2059
    {"02 February 2060", "20 January 2061"},  // 2060
    {"21 January 2061", "08 February 2062"},  // 2061
    {"09 February 2062", "28 January 2063"},  // 2062
    {"29 January 2063", "16 February 2064"},  // 2063
    {"17 February 2064", "04 February 2065"}, // 2064
    {"05 February 2065", "25 January 2066"},  // 2065
    {"26 January 2066", "13 February 2067"},  // 2066
    {"14 February 2067", "02 February 2068"}, // 2067
    {"03 February 2068", "22 January 2069"},  // 2068
    {"23 January 2069", "10 February 2070"},  // 2069
    {"11 February 2070", "30 January 2071"},  // 2070
    {"31 January 2071", "18 February 2072"},  // 2071
    {"19 February 2072", "06 February 2073"}, // 2072
    {"07 February 2073", "26 January 2074"},  // 2073
    {"27 January 2074", "14 February 2075"},  // 2074
    {"15 February 2075", "04 February 2076"}, // 2075
    {"05 February 2076", "23 January 2077"},  // 2076
    {"24 January 2077", "11 February 2078"},  // 2077
    {"12 February 2078", "01 February 2079"}, // 2078
    {"02 February 2079", "21 January 2080"},  // 2079
    {"22 January 2080", "08 February 2081"},  // 2080
    {"09 February 2081", "28 January 2082"},  // 2081
    {"29 January 2082", "16 February 2083"},  // 2082
    {"17 February 2083", "05 February 2084"}, // 2083
    {"06 February 2084", "25 January 2085"},  // 2084
    {"26 January 2085", "13 February 2086"},  // 2085
    {"14 February 2086", "02 February 2087"}, // 2086
    {"03 February 2087", "23 January 2088"},  // 2087
    {"24 January 2088", "09 February 2089"},  // 2088
    {"10 February 2089", "29 January 2090"},  // 2089
    {"30 January 2090", "17 February 2091"},  // 2090
    {"18 February 2091", "06 February 2092"}, // 2091
    {"07 February 2092", "26 January 2093"},  // 2092
    {"27 January 2093", "14 February 2094"},  // 2093
    {"15 February 2094", "04 February 2095"}, // 2094
    {"05 February 2095", "24 January 2096"},  // 2095
    {"25 January 2096", "11 February 2097"},  // 2096
    {"12 February 2097", "31 January 2098"},  // 2097
    {"01 February 2098", "20 January 2099"},  // 2098
    {"21 January 2099", "08 February 2100"},  // 2099
    {"09 February 2100", "28 January 2101"},  // 2100
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
        // The cycles count from 1936, a Fire Rat year; a whole sixty years added keeps the count
        // positive for the rows before it without moving either cycle.
        const auto cycle = static_cast<std::size_t>(k - (1936 - FirstTableYear) + 60);
        row.Sign = SignNames[cycle % 12];
        row.Element = ElementNames[(cycle / 2) % 5];
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
