#!/usr/bin/perl
# set-typeflags.pl IN.tlb OUT.tlb KIND FLAGS
#
# Adds TYPEFLAGS to every type description of one kind in an MSFT-format
# type library, for flags the IDL compiler cannot express (widl has no
# "predeclid"). KIND is a TYPEKIND number (5 = TKIND_COCLASS), FLAGS a
# number such as 0x8 (TYPEFLAG_FPREDECLID).
#
# Layout used: a 0x54-byte header (magic "MSFT", varflags at 0x14,
# nrtypeinfos at 0x20), one more int when varflags has 0x100 (a help DLL),
# then one offset per type description, then the segment directory whose
# first entry {offset, length, -1, 0x0f} locates the type description
# records: 0x64 bytes each, the TYPEKIND in the low nibble of the int at 0,
# the TYPEFLAGS in the int at 0x30.
use strict;
use warnings;

@ARGV == 4 or die "usage: $0 IN.tlb OUT.tlb KIND FLAGS\n";
my ($in, $out, $kind, $flags) = @ARGV;
$kind = oct($kind) if $kind =~ /^0/;
$flags = oct($flags) if $flags =~ /^0/;

open(my $fh, '<:raw', $in) or die "$in: $!\n";
my $tlb = do { local $/; <$fh> };
close $fh;

sub int_at { unpack('l<', substr($tlb, $_[0], 4)) }

substr($tlb, 0, 4) eq 'MSFT' or die "$in: not an MSFT type library\n";
my $varflags = int_at(0x14);
my $count = int_at(0x20);
my $segments = 0x54 + (($varflags & 0x100) ? 4 : 0) + 4 * $count;
my ($records, $length) = (int_at($segments), int_at($segments + 4));
$length == 0x64 * $count or die "$in: type description table of unexpected size\n";

my $changed = 0;
for my $i (0 .. $count - 1) {
    my $record = $records + 0x64 * $i;
    next unless (int_at($record) & 0xF) == $kind;
    substr($tlb, $record + 0x30, 4) = pack('l<', int_at($record + 0x30) | $flags);
    ++$changed;
}
$changed or die "$in: no type description of kind $kind\n";

open($fh, '>:raw', $out) or die "$out: $!\n";
print $fh $tlb;
close $fh or die "$out: $!\n";
