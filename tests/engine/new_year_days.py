"""Prints the Chinese New Year of each year from 1899 to 2101, one ISO date a line, worked out from
new moons and solar terms that PyEphem computes, by the rules of the almanacs: the eleventh month
holds the winter solstice, the year begins two months later, or three when a month between lacks a
principal term and so is a leap month. Days are reckoned in China's time, UTC+8, from 1929 on and in
Beijing's local time before; that decides 1916 (new moon at 23:51 Beijing time, 00:05 UTC+8)."""
import datetime
import math

import ephem


def offset(year):
    return 8 / 24 if year >= 1929 else (116 + 25 / 60) / 15 / 24


def local_day(moment, year):
    return ephem.Date(moment + offset(year)).datetime().date()


def sun_longitude(moment):
    return math.degrees(ephem.Ecliptic(ephem.Sun(moment), epoch=moment).lon)


def principal_term(degrees, after):
    """The moment after `after` (within a month) when the sun reaches the longitude `degrees`."""
    low, high = after, after + 32
    for _ in range(50):
        middle = (low + high) / 2
        if (sun_longitude(middle) - degrees) % 360 < 180:
            high = middle
        else:
            low = middle
    return high


def new_year(year):
    solstice = float(ephem.next_solstice(ephem.Date(datetime.date(year - 1, 12, 1))))
    moons = [float(ephem.next_new_moon(solstice - 35))]
    while len(moons) < 5:
        moons.append(float(ephem.next_new_moon(moons[-1] + 1)))
    days = [local_day(moon, year) for moon in moons]
    eleventh = max(k for k, day in enumerate(days) if day <= local_day(solstice, year))
    next_solstice = float(ephem.next_solstice(ephem.Date(datetime.date(year, 12, 1))))
    months = 0
    moon = moons[eleventh]
    while local_day(ephem.next_new_moon(moon + 1), year) <= local_day(next_solstice, year):
        moon = float(ephem.next_new_moon(moon + 1))
        months += 1
    # Thirteen months from one eleventh month to the next: the first without a principal term is
    # the leap month; only one of the next two delays the New Year.
    if months == 13:
        terms = [local_day(principal_term(d, solstice + 15 * k), year) for k, d in ((1, 300), (3, 330), (5, 0))]
        for k in (eleventh + 1, eleventh + 2):
            if not any(days[k] <= term < days[k + 1] for term in terms):
                return days[eleventh + 3]
    return days[eleventh + 2]


for gregorian_year in range(1899, 2102):
    print(new_year(gregorian_year).isoformat())
