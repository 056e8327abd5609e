#!/usr/bin/env python3
"""Reads an iCalendar file with the icalendar library and prints, for each
event, its summary and the first N occurrences its DTSTART, RRULE and EXDATE
give under dateutil's recurrence engine, as wall-clock times in the event's
zone.

usage: expand_ics.py FILE N [--ringing]

--ringing: what a calendar program rings: an event without a VALARM rings
nothing (its summary alone is printed), and each occurrence is moved by the
earliest trigger relative to the start."""
import datetime
import sys

from dateutil.rrule import rruleset, rrulestr
from icalendar import Calendar


def wall(moment):
    """A date-time as the wall clock of its own zone reads it: the series is
    expanded without zones, so that an EXDATE in summer matches an occurrence
    whatever offset the start had."""
    return moment.replace(tzinfo=None) if isinstance(moment, datetime.datetime) else moment


def excluded(event):
    """The EXDATEs of an event, one property or several, each of one or more dates."""
    found = event.get('EXDATE')
    if found is None:
        return []
    dates = []
    for prop in found if isinstance(found, list) else [found]:
        dates.extend(wall(d.dt) for d in prop.dts)
    return dates


def earliest_trigger(event):
    """The earliest trigger relative to the start over the event's VALARMs,
    or None when it has none."""
    triggers = [alarm['TRIGGER'].dt for alarm in event.walk('VALARM') if 'TRIGGER' in alarm]
    relative = [t for t in triggers if isinstance(t, datetime.timedelta)]
    if not relative:
        return None
    return min(relative)


def occurrences_of(event, count):
    start = wall(event['DTSTART'].dt)
    rule = event.get('RRULE')
    series = rruleset()
    if rule is None:
        series.rdate(start)
    else:
        series.rrule(rrulestr(rule.to_ical().decode(), dtstart=start))
    for day in excluded(event):
        series.exdate(day)
    found = []
    for occurrence in series:
        found.append(occurrence)
        if len(found) == count:
            break
    return found


def main():
    path, count = sys.argv[1], int(sys.argv[2])
    ringing = '--ringing' in sys.argv[3:]
    with open(path, 'rb') as f:
        calendar = Calendar.from_ical(f.read())
    for event in calendar.walk('VEVENT'):
        print('SUMMARY', str(event.get('SUMMARY')))
        shift = datetime.timedelta(0)
        if ringing:
            shift = earliest_trigger(event)
            if shift is None:
                continue
        for occurrence in occurrences_of(event, count):
            print((occurrence + shift).isoformat())


if __name__ == '__main__':
    main()
