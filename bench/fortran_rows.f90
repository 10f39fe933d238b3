! The baseline: the reading-table rows written by the Fortran runtime's
! formatted WRITE (internal file, round half away from zero by RC), and the
! readings records read by its formatted READ, on the values the C++ side
! passes in.
module fortran_rows
  use iso_c_binding
  implicit none
  character(len=*), parameter :: readings_row = &
    '(RC, F7.2, F9.1, F7.2, F9.3, F7.1, 3F7.1, F7.3, F9.3, 3F8.3, F9.2, F7.2, F7.3)'
  character(len=*), parameter :: table2_row = &
    '(RC, F7.3, 2F8.3, F7.3, F7.2, F8.3, F9.3, F8.3, 6F8.3, F7.3, F5.2, F8.2)'
  integer :: rows_unit = -1
contains

  ! Rows of the readings table (16 values, 123 characters each) into out.
  subroutine fortran_readings_rows(values, nrows, out) bind(C, name="fortran_readings_rows")
    integer(c_int), value :: nrows
    real(c_float), intent(in) :: values(16, nrows)
    character(kind=c_char), intent(out) :: out(123 * nrows)
    character(len=123) :: line
    integer :: i, j
    do i = 1, nrows
      write (line, readings_row) values(:, i)
      do j = 1, 123
        out((i - 1) * 123 + j) = line(j:j)
      end do
    end do
  end subroutine

  ! Rows of TABLE 2 (17 values, 130 characters each) into out.
  subroutine fortran_table2_rows(values, nrows, out) bind(C, name="fortran_table2_rows")
    integer(c_int), value :: nrows
    real(c_float), intent(in) :: values(17, nrows)
    character(kind=c_char), intent(out) :: out(130 * nrows)
    character(len=130) :: line
    integer :: i, j
    do i = 1, nrows
      write (line, table2_row) values(:, i)
      do j = 1, 130
        out((i - 1) * 130 + j) = line(j:j)
      end do
    end do
  end subroutine

  ! The same rows written to a file, as a Fortran program writes its report:
  ! the file is opened once and rewound before each pass.
  subroutine fortran_open_rows_file(path, length) bind(C, name="fortran_open_rows_file")
    integer(c_int), value :: length
    character(kind=c_char), intent(in) :: path(length)
    character(len=length) :: name
    integer :: j
    do j = 1, length
      name(j:j) = path(j)
    end do
    open (newunit=rows_unit, file=name, status='replace', form='formatted', action='write')
  end subroutine

  subroutine fortran_file_rows(readings, table2, nrows) bind(C, name="fortran_file_rows")
    integer(c_int), value :: nrows
    real(c_float), intent(in) :: readings(16, nrows), table2(17, nrows)
    integer :: i
    rewind (rows_unit)
    do i = 1, nrows
      write (rows_unit, readings_row) readings(:, i)
    end do
    do i = 1, nrows
      write (rows_unit, table2_row) table2(:, i)
    end do
  end subroutine

  subroutine fortran_close_rows_file() bind(C, name="fortran_close_rows_file")
    close (rows_unit)
  end subroutine

  ! Readings records of the standard layout (64 characters each, blanks
  ! ignored as the input file is opened) into 12 values per record.
  subroutine fortran_read_readings(text, nrecords, values) bind(C, name="fortran_read_readings")
    integer(c_int), value :: nrecords
    character(kind=c_char), intent(in) :: text(64 * nrecords)
    real(c_float), intent(out) :: values(12, nrecords)
    character(len=64) :: line
    integer :: i, j
    do i = 1, nrecords
      do j = 1, 64
        line(j:j) = text((i - 1) * 64 + j)
      end do
      read (line, '(BN, 8F4.0, 4F8.0)') values(:, i)
    end do
  end subroutine

end module
