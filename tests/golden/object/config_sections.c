// Configuration settings become one absolute one-byte romdata section per
// touched register, two settings of one register share its byte, and the
// romdata section current before the pragmas stays current; the linker puts
// each byte at its address in the HEX file.
// RUN: %vexc -p 61C3506 %s -fo c.o > /dev/null
// RUN: %vxdump c.o | %FileCheck %s
// RUN: %vxlink -e after_config c.o -o c.hex && %FileCheck --check-prefix=HEX %s < c.hex
#pragma config CLKSRC = XTAL, CLKGUARD = ON
#pragma config VDROP = OFF
rom char after_config = 1;
// CHECK:      s_paddr=0x00300000
// CHECK-NEXT: s_vaddr=0x00000000
// CHECK-NEXT: s_size=1
// CHECK:      s_flags=0x00001100
// CHECK-NEXT: _s_name=.config_300000_c.o
// CHECK-NEXT: Raw Data:
// CHECK-NEXT: 0x00000000: 0x12
// CHECK:      s_paddr=0x00300001
// CHECK:      _s_name=.config_300001_c.o
// CHECK-NEXT: Raw Data:
// CHECK-NEXT: 0x00000000: 0x0d
// CHECK:      n_name=after_config n_value=0x00000000 n_scnum=5
// CHECK-NEXT: n_name=__config_0 n_value=0x00300000 n_scnum=7 n_type=0x00000002 n_sclass=3
// CHECK-NEXT: n_name=__config_1 n_value=0x00300001 n_scnum=8 n_type=0x00000002 n_sclass=3
// A unit without code has no start-up to run: the reset vector names data.
// HEX:      :020000040030CA
// HEX-NEXT: :02000000120DDF
