"""Prints the Chinese New Year of each year from 1899 to 2101, one ISO date a line, from the new moons
and solar terms PyEphem computes, by the almanacs' rules: the eleventh month holds the winter
solstice, and the year begins two months later, or three when thirteen months lie between two
eleventh months and one of those two lacks a principal term, being the leap month (2033). Days are
China's, UTC+8, from 1929 on and Beijing's local time before; that decides 1916 (new moon at 23:51
Beijing time, 00:05 UTC+8)."""
import math

import ephem


def new_year(year):
    offset = 8 / 24 if year >= 1929 else (116 + 25 / 60) / 360

    def day(moment):
        return ephem.Date(moment + offset).datetime().date()

    def sector(d):  # the sun's 30-degree sector as the day begins, on the ecliptic of the date
        moment = ephem.Date(ephem.Date(d) - offset)
        return int(math.degrees(ephem.Ecliptic(ephem.Sun(moment), epoch=moment).lon) // 30)

    solstices = [ephem.next_solstice(f"{y}/12/1") for y in (year - 1, year)]
    moons = [ephem.next_new_moon(solstices[0] - 35)]
    while moons[-1] < solstices[1] + 1:
        moons.append(ephem.next_new_moon(moons[-1] + 1))
    starts = [day(moon) for moon in moons]
    elevenths = [max(k for k, start in enumerate(starts) if start <= day(s)) for s in solstices]
    first = elevenths[0] + 2
    if elevenths[1] - elevenths[0] == 13:
        for k in (first - 1, first):
            if sector(starts[k]) == sector(starts[k + 1]):
                return starts[first + 1]
    return starts[first]


for gregorian_year in range(1899, 2102):
    print(new_year(gregorian_year).isoformat())
